#include "dialogs/Spisok_Select.h"

#include "dialogs/OptionCheckBox.h"
#include "dialogs/SpinEdit.h"
#include "editing/FailureHandler.h"

#include <QGridLayout>
#include <QLabel>

TSelect::TSelect(QWidget* owner, EditorSource editor)
    : ElementDialogFrame(owner, std::move(editor),
                         {QStringLiteral("Select"), QStringLiteral("  Создание списка"),
                          QSize(285, 161), /*onTop=*/true, Insertion::Plain,
                          QStringLiteral("Вставить список"), QStringLiteral("Отмена")}) {
    RzCheckBox1 = checkBox("RzCheckBox1", QStringLiteral("Выпадающий список"),
                           QStringLiteral("Добавить выпадающий список"));
    RzCheckBox2 = checkBox("RzCheckBox2", QStringLiteral("Список с прокруткой"),
                           QStringLiteral("Добавить список с прокруткой"));
    RzSpinEdit1 = spinEdit("RzSpinEdit1", 1, 50, QStringLiteral("Введите количество строк"));
    // Becoming checked clears the other box; becoming unchecked does nothing.
    connect(RzCheckBox1, &QCheckBox::toggled, this, [this](bool on) {
        varlo::guarded([&] {
            if (on)
                RzCheckBox2->setChecked(false);
        });
    });
    connect(RzCheckBox2, &QCheckBox::toggled, this, [this](bool on) {
        varlo::guarded([&] {
            if (on)
                RzCheckBox1->setChecked(false);
        });
    });

    auto* g = new QGridLayout(body());
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(2);
    g->addWidget(heading(QStringLiteral("Выберите список")), 0, 0, 1, 2);
    g->addWidget(RzCheckBox1, 1, 0, 1, 2);
    g->addWidget(RzCheckBox2, 2, 0, 1, 2);
    g->addWidget(heading(), 3, 0, 1, 2);
    g->addWidget(label(QStringLiteral("Введите количество строк"), RzSpinEdit1), 4, 0);
    g->addWidget(RzSpinEdit1, 4, 1);
    g->setColumnStretch(1, 1);
}

void TSelect::FormShow() {
    RzCheckBox1->setState(true);
    RzCheckBox2->setState(false);
    RzSpinEdit1->setValue(1);
}

SelectSettings TSelect::Settings() const {
    return {RzCheckBox1->isChecked(), RzSpinEdit1->Value()};
}
