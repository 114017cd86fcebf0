#include "dialogs/Text.h"

#include "dialogs/DialogLook.h"
#include "dialogs/FontListBox.h"
#include "dialogs/OptionCheckBox.h"
#include "dialogs/SpinEdit.h"
#include "editing/FailureHandler.h"
#include "editor/qtbridge/QtCp1251.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>

TTekst::TTekst(QWidget* owner, EditorSource editor)
    : ElementDialogFrame(owner, std::move(editor),
                         {QStringLiteral("Tekst"), QStringLiteral("  Настройка шрифта"),
                          QSize(565, 309), /*onTop=*/true, Insertion::Tag,
                          QStringLiteral("Вставить настройки шрифта"),
                          QStringLiteral("Отмена вставки")}) {
    const QString pick = QStringLiteral("Выберите имя шрифта");
    RzCheckBox1 = checkBox("RzCheckBox1", pick);
    RzFontListBox1 = new FontListBox(body());
    DialogLook::nameControl(RzFontListBox1, QStringLiteral("RzFontListBox1"), pick, pick);
    RzFontListBox1->setFixedSize(193, 153);
    RzMemo1 = new QPlainTextEdit(body());
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setAccessibleName(QStringLiteral("Образец шрифта"));
    RzMemo1->setReadOnly(true);
    RzMemo1->setPlainText(QStringLiteral("Так будет выглядеть ваш \nтекст\n\nTuning of font"));
    RzMemo1->setFont(DialogLook::labelFont());
    RzMemo1->setFixedSize(193, 153);
    Label4 = label(QStringLiteral("Текущие имя шрифта:"));
    Label4->setObjectName(QStringLiteral("Label4"));
    Label5 = label(QString());
    Label5->setObjectName(QStringLiteral("Label5"));
    // The hidden labels keep their row, so nothing below them moves when they appear.
    for (QLabel* l : {Label4, Label5}) {
        QSizePolicy p = l->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        l->setSizePolicy(p);
    }
    RzCheckBox2 = checkBox("RzCheckBox2", QStringLiteral("Цвет шрифта"));
    RzColorComboBox2 = colorBox("RzColorComboBox2", ColorBox::DefaultSwatch::Black,
                                QStringLiteral("Выберите цвет"));
    RzColorComboBox2->setAccessibleName(QStringLiteral("Цвет шрифта"));
    RzColorComboBox2->setSelected(varlo::rgb(0xFF, 0xFF, 0xFF));
    RzCheckBox3 = checkBox("RzCheckBox3", QStringLiteral("Размер"));
    RzSpinEdit1 =
        spinEdit("RzSpinEdit1", 1, 7, QStringLiteral("Задайте размер шрифта. Размер от 1 до 7."));
    RzSpinEdit1->setAccessibleName(QStringLiteral("Размер"));

    RzCheckBox1->setSwitchedToolTips(QStringLiteral("Добавить имя шрифта"),
                                     QStringLiteral("Не добавлять имя шрифта"));
    RzCheckBox1->setDependents({RzFontListBox1, RzMemo1});
    connect(RzCheckBox1, &QCheckBox::toggled, this, [this](bool on) {
        varlo::guarded([&] {
            Label4->setVisible(on);
            Label5->setVisible(on);
        });
    });
    RzCheckBox2->setSwitchedToolTips(QStringLiteral("Добавить цвет шрифта"),
                                     QStringLiteral("Не добавлять цвет шрифта"));
    RzCheckBox2->setDependents({RzColorComboBox2});
    RzCheckBox3->setSwitchedToolTips(QStringLiteral("Добавить размер шрифта"),
                                     QStringLiteral("Не добавлять размер шрифта"));
    RzCheckBox3->setDependents({RzSpinEdit1});
    connect(RzFontListBox1, &FontListBox::fontChosen, this, [this](const QString& family) {
        varlo::guarded([&] { RzFontListBox1Click(family); });
    });

    auto* g = new QGridLayout(body());
    g->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    top->addWidget(RzCheckBox1);
    top->addWidget(heading(), 1);
    g->addLayout(top, 0, 0, 1, 5);
    g->addWidget(RzFontListBox1, 1, 0, 1, 2);
    g->addWidget(RzMemo1, 1, 2, 1, 3, Qt::AlignLeft);
    auto* name = new QHBoxLayout;
    name->addWidget(Label4);
    name->addWidget(Label5, 1);
    g->addLayout(name, 2, 0, 1, 5);
    g->addWidget(heading(), 3, 0, 1, 5);
    g->addWidget(RzCheckBox2, 4, 0);
    g->addWidget(RzColorComboBox2, 4, 1);
    g->addWidget(RzCheckBox3, 4, 2, Qt::AlignRight);
    g->addWidget(RzSpinEdit1, 4, 3);
    g->setColumnStretch(4, 1);
    g->setRowStretch(5, 1);
}

void TTekst::RzFontListBox1Click(const QString& family) {
    QFont f = RzMemo1->font();
    f.setFamily(family);
    RzMemo1->setFont(f);
    Label5->setText(family);
}

void TTekst::FormShow() {
    Label4->hide();
    Label5->hide();
    RzCheckBox1->setState(false);
    RzCheckBox2->setState(false);
    RzCheckBox3->setState(false);
    RzSpinEdit1->setValue(1);
}

FontSettings TTekst::Settings() const {
    FontSettings s;
    if (RzCheckBox1->isChecked())
        s.face = varlo::toBytes(RzFontListBox1->SelectedName());
    if (RzCheckBox3->isChecked())
        s.size = RzSpinEdit1->Value();
    if (RzCheckBox2->isChecked())
        s.color = RzColorComboBox2->Selected();
    return s;
}
