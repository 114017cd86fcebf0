#include "dialogs/Spis.h"

#include "dialogs/OptionCheckBox.h"
#include "dialogs/RadioGroup.h"
#include "dialogs/SpinEdit.h"
#include "editing/FailureHandler.h"
#include "editor/qtbridge/QtCp1251.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

TSpisok::TSpisok(QWidget* owner, EditorSource editor)
    : ElementDialogFrame(owner, std::move(editor),
                         {QStringLiteral("Spisok"), QStringLiteral("  Создание списка"),
                          QSize(433, 312), /*onTop=*/true, Insertion::Plain,
                          QStringLiteral("Вставить список"), QStringLiteral("Отмена")}) {
    RzCheckBox1 = checkBox("RzCheckBox1", QStringLiteral("Нумерованный список"),
                           QStringLiteral("Добавить нумерованный список"));
    RzCheckBox2 = checkBox("RzCheckBox2", QStringLiteral("Ненумерованный список"),
                           QStringLiteral("Добавить ненумерованный список"));
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"),
                                 QStringLiteral("Выберите тип маркера"), 2, body());
    RadioGroup1->setToolTip(QStringLiteral("Выберите нужный тип маркера"));
    RzSpinEdit1 = spinEdit("RzSpinEdit1", 1, 50, QStringLiteral("Введите количество маркеров"));
    RzCheckBox3 = checkBox("RzCheckBox3", QStringLiteral("Подсказка "));
    RzEdit1 = edit("RzEdit1", QStringLiteral("Введите подсказку"));

    RzCheckBox3->setSwitchedToolTips(QStringLiteral("Добавить подсказку в список"),
                                     QStringLiteral("Не добавлять подсказку в список"));
    RzCheckBox3->setDependents({RzEdit1});
    connect(RzCheckBox1, &QCheckBox::toggled, this,
            [this](bool on) { varlo::guarded([&] { RzCheckBox1Click(on); }); });
    connect(RzCheckBox2, &QCheckBox::toggled, this,
            [this](bool on) { varlo::guarded([&] { RzCheckBox2Click(on); }); });

    auto* g = new QGridLayout(body());
    g->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    g->addWidget(heading(QStringLiteral("Выберите список")), row++, 0, 1, 2);
    g->addWidget(RzCheckBox1, row++, 0, 1, 2);
    g->addWidget(RzCheckBox2, row++, 0, 1, 2);
    g->addWidget(heading(), row++, 0, 1, 2);
    g->addWidget(RadioGroup1, row++, 0, 1, 2);
    g->addWidget(heading(), row++, 0, 1, 2);
    g->addWidget(label(QStringLiteral("Введите количество маркеров"), RzSpinEdit1), row, 0);
    g->addWidget(RzSpinEdit1, row++, 1);
    g->addWidget(RzCheckBox3, row, 0);
    g->addWidget(RzEdit1, row++, 1);
    g->setColumnStretch(1, 1);
    g->setRowStretch(row, 1);
}

void TSpisok::loadMarkers(bool numbered) {
    QStringList names;
    for (const ListMarker& m : ListMarkers(numbered))
        names << QString::fromUtf8(m.name.data(), qsizetype(m.name.size()));
    RadioGroup1->setItems(names);
    RadioGroup1->setItemIndex(0);
}

void TSpisok::LoadNumberedMarkers() {
    varlo::guarded([&] { loadMarkers(true); });
}

void TSpisok::LoadBulletMarkers() {
    varlo::guarded([&] { loadMarkers(false); });
}

void TSpisok::RzCheckBox1Click(bool checked) {
    if (checked) {
        RzCheckBox2->setChecked(false);
        LoadNumberedMarkers();
    } else {
        LoadBulletMarkers();
    }
}

void TSpisok::RzCheckBox2Click(bool checked) {
    if (checked) {
        RzCheckBox1->setChecked(false);
        LoadBulletMarkers();
    }
    // Unchecked by hand, neither kind is checked: the list stays bulleted, as do the names
    // shown, and the marker chosen stays chosen.
}

void TSpisok::FormShow() {
    RzCheckBox1->setState(true);
    RzCheckBox2->setState(false);
    RzCheckBox3->setState(false);
    RzSpinEdit1->setValue(1);
    RzEdit1->clear();
    LoadNumberedMarkers();
}

ListSettings TSpisok::Settings() const {
    ListSettings s;
    s.numbered = RzCheckBox1->isChecked();
    s.marker = RadioGroup1->ItemIndex();
    s.items = RzSpinEdit1->Value();
    if (RzCheckBox3->isChecked())
        s.tooltip = varlo::toBytes(RzEdit1->text());
    return s;
}
