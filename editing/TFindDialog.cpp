#include "editing/TFindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFindDialog::TFindDialog(QWidget* parent) : FindWindowBase(parent) {
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QStringLiteral("Найти"));

    auto* label = new QLabel(QStringLiteral("&Что:"), this);
    label->setBuddy(findField_);
    auto* matchCase = new QCheckBox(QStringLiteral("С учётом &регистра"), this);
    addMatchCase(matchCase);

    auto* direction = new QGroupBox(QStringLiteral("Направление"), this);
    up_ = new QRadioButton(QStringLiteral("&Вверх"), direction);
    up_->setObjectName(QStringLiteral("Up"));
    down_ = new QRadioButton(QStringLiteral("В&низ"), direction);
    down_->setObjectName(QStringLiteral("Down"));
    auto* dirLayout = new QHBoxLayout(direction);
    dirLayout->addWidget(up_);
    dirLayout->addWidget(down_);
    down_->setChecked(true);
    connect(down_, &QRadioButton::toggled, this,
            [this](bool on) { options_ = on ? options_ | frDown : options_ & ~unsigned(frDown); });

    findNext_ = new QPushButton(QStringLiteral("&Найти далее"), this);
    findNext_->setObjectName(QStringLiteral("FindNext"));
    findNext_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(findField_, 0, 1, 1, 2);
    grid->addWidget(matchCase, 1, 0, 1, 2, Qt::AlignBottom);
    grid->addWidget(direction, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 3, 2, 1);
    setFixedSize(374, 134);

    // The find-next button waits for a search text.
    auto update = [this] { findNext_->setEnabled(!findField_->text().isEmpty()); };
    connect(findField_, &QLineEdit::textChanged, this, update);
    update();
    connect(findNext_, &QPushButton::clicked, this, [this] {
        pressed(frFindNext);
        emit OnFind();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

void TFindDialog::setOptions(unsigned options) {
    FindWindowBase::setOptions(options);
    (options & frDown ? down_ : up_)->setChecked(true);
}
