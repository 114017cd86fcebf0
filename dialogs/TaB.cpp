#include "dialogs/TaB.h"

#include "dialogs/DialogLook.h"
#include "dialogs/OptionCheckBox.h"
#include "dialogs/SpinEdit.h"
#include "editor/qtbridge/QtCp1251.h"

#include <QComboBox>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace {

const QString kCaptionPreset = QStringLiteral("Заголовок таблицы");

} // namespace

TTable::TTable(QWidget* owner, EditorSource editor)
    : ElementDialogFrame(owner, std::move(editor),
                         {QStringLiteral("Table"), QStringLiteral("  Создание таблицы"),
                          QSize(498, 391), /*onTop=*/false, Insertion::Plain,
                          QStringLiteral("Вставить таблицу"),
                          QStringLiteral("Отменить создание таблицы")}) {
    RzSpinEdit1 = spinEdit("RzSpinEdit1", 1, 25, QStringLiteral("Введите количество столбцов"));
    RzSpinEdit3 = spinEdit("RzSpinEdit3", 0, 100, QStringLiteral("Толщина рамки в пикселях"));
    RzSpinEdit2 = spinEdit("RzSpinEdit2", 1, 25, QStringLiteral("Введите количество строк"));
    RzCheckBox1 = checkBox("RzCheckBox1", QStringLiteral("Заголовки столбцов"));
    RzSpinEdit4 =
        spinEdit("RzSpinEdit4", 0, 100, QStringLiteral("Задает расстояние между ячейками таблицы"));
    RzSpinEdit5 = spinEdit("RzSpinEdit5", 0, 100,
                           QStringLiteral("Задает расстояние между содержимым ячейки и ее рамкой"));
    RzCheckBox4 = checkBox("RzCheckBox4", QStringLiteral("По умолчанию"));
    RzComboBox1 = new QComboBox(body());
    DialogLook::nameControl(RzComboBox1, QStringLiteral("RzComboBox1"), QString(),
                            QStringLiteral("Положение таблицы в документе"));
    DialogLook::makeFlat(RzComboBox1, false);
    RzComboBox1->addItems({QStringLiteral("По умолчанию"), QStringLiteral("Слева"),
                           QStringLiteral("По центру"), QStringLiteral("Справа")});
    RzCheckBox2 = checkBox("RzCheckBox2", QStringLiteral("Фон таблицы"));
    RzColorComboBox1 = colorBox("RzColorComboBox1", ColorBox::DefaultSwatch::Black,
                                QStringLiteral("Выберите цвет"));
    RzColorComboBox1->setAccessibleName(QStringLiteral("Цвет фона таблицы"));
    RzCheckBox3 = checkBox("RzCheckBox3", QStringLiteral("Цвет линий таблицы"));
    RzColorComboBox2 = colorBox("RzColorComboBox2", ColorBox::DefaultSwatch::None,
                                QStringLiteral("Выберите цвет"));
    RzColorComboBox2->setAccessibleName(QStringLiteral("Цвет линий таблицы"));
    RzEdit1 = edit("RzEdit1", QStringLiteral("Подсказка для таблицы "));
    RzCheckBox5 = checkBox("RzCheckBox5", QStringLiteral("Заголовок таблицы"));
    RzEdit2 = edit("RzEdit2", QStringLiteral("Заголовок для таблицы"));

    RzCheckBox1->setSwitchedToolTips(QStringLiteral("Вставить в таблицу заголовки столбцов"),
                                     QStringLiteral("Не вставлять в таблицу заголовки столбцов"));
    RzCheckBox4->setSwitchedToolTips(QStringLiteral("Параметры ячеек по умолчанию"),
                                     QStringLiteral("Изменить параметры ячеек"));
    RzCheckBox4->setDependents({RzSpinEdit4, RzSpinEdit5}, /*enabledWhenChecked=*/false);
    RzCheckBox2->setSwitchedToolTips(QStringLiteral("Задать фон таблицы"),
                                     QStringLiteral("Оставить фон таблицы по умолчанию"));
    RzCheckBox2->setDependents({RzColorComboBox1});
    RzCheckBox3->setSwitchedToolTips(QStringLiteral("Задать цвет линий таблицы"),
                                     QStringLiteral("Оставить цвет линий таблицы по умолчанию"));
    RzCheckBox3->setDependents({RzColorComboBox2});
    RzCheckBox5->setSwitchedToolTips(QStringLiteral("Добавить заголовок к таблице"),
                                     QStringLiteral("Не добавлять заголовок к таблице"));
    RzCheckBox5->setDependents({RzEdit2});

    auto* g = new QGridLayout(body());
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(5);
    g->setColumnStretch(3, 1);
    int row = 0;
    g->addWidget(heading(QStringLiteral("Размер")), row++, 0, 1, 4);
    g->addWidget(label(QStringLiteral("Количество столбцов"), RzSpinEdit1), row, 0);
    g->addWidget(RzSpinEdit1, row, 1);
    g->addWidget(label(QStringLiteral("Толщина рамки"), RzSpinEdit3), row, 2);
    g->addWidget(RzSpinEdit3, row++, 3);
    g->addWidget(label(QStringLiteral("Количество строк"), RzSpinEdit2), row, 0);
    g->addWidget(RzSpinEdit2, row, 1);
    g->addWidget(RzCheckBox1, row++, 2, 1, 2);
    g->addWidget(heading(QStringLiteral("Ячейки")), row++, 0, 1, 4);
    g->addWidget(label(QStringLiteral("Расстояние между ячейками таблицы"), RzSpinEdit4), row, 0, 1,
                 3);
    g->addWidget(RzSpinEdit4, row++, 3);
    g->addWidget(
        label(QStringLiteral("Расстояние между содержимым ячейки и ее рамкой"), RzSpinEdit5), row,
        0, 1, 3);
    g->addWidget(RzSpinEdit5, row++, 3);
    g->addWidget(RzCheckBox4, row++, 0, 1, 4);
    g->addWidget(label(QStringLiteral("Положение таблицы"), RzComboBox1), row, 0);
    g->addWidget(RzComboBox1, row++, 1, 1, 3);
    g->addWidget(heading(QStringLiteral("Цвет")), row++, 0, 1, 4);
    g->addWidget(RzCheckBox2, row, 0);
    g->addWidget(RzColorComboBox1, row++, 1);
    g->addWidget(RzCheckBox3, row, 0);
    g->addWidget(RzColorComboBox2, row++, 1);
    g->addWidget(label(QStringLiteral("Подсказка"), RzEdit1), row, 0);
    g->addWidget(RzEdit1, row++, 1, 1, 3);
    g->addWidget(RzCheckBox5, row, 0);
    g->addWidget(RzEdit2, row++, 1, 1, 3);
    g->setRowStretch(row, 1);
}

void TTable::FormShow() {
    RzSpinEdit1->setFocus();
    RzSpinEdit1->setValue(1);
    RzSpinEdit2->setValue(1);
    RzSpinEdit3->setValue(1);
    RzSpinEdit4->setValue(0);
    RzSpinEdit5->setValue(0);
    RzEdit1->clear();
    RzEdit2->setText(kCaptionPreset);
    RzComboBox1->setCurrentIndex(0);
    RzColorComboBox1->setSelected(varlo::rgb(0xFF, 0xFF, 0xFF));
    RzColorComboBox2->setSelected(varlo::rgb(0, 0, 0));
    RzCheckBox1->setState(false);
    RzCheckBox2->setState(false);
    RzCheckBox3->setState(false);
    RzCheckBox5->setState(false);
    RzCheckBox4->setState(true);
}

TableSettings TTable::Settings() const {
    TableSettings s;
    s.columns = RzSpinEdit1->Value();
    s.rows = RzSpinEdit2->Value();
    s.border = RzSpinEdit3->Value();
    s.columnHeaders = RzCheckBox1->isChecked();
    s.defaultCells = RzCheckBox4->isChecked();
    s.spacing = RzSpinEdit4->Value();
    s.padding = RzSpinEdit5->Value();
    s.position = static_cast<TableSettings::Position>(std::max(0, RzComboBox1->currentIndex()));
    // A colour counts while its option is checked, which is when its box is enabled.
    if (RzCheckBox2->isChecked())
        s.background = RzColorComboBox1->Selected();
    if (RzCheckBox3->isChecked())
        s.lineColor = RzColorComboBox2->Selected();
    s.title = varlo::toBytes(RzEdit1->text());
    if (RzCheckBox5->isChecked())
        s.caption = varlo::toBytes(RzEdit2->text());
    return s;
}
