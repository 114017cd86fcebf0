#include "editing/TFindDialog.h"

#include <QCheckBox>
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

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(label);
    fieldRow->addWidget(findField_, 1);
    auto* optionsRow = new QHBoxLayout;
    optionsRow->addWidget(matchCase, 0, Qt::AlignBottom);
    optionsRow->addStretch();
    optionsRow->addWidget(direction);
    auto* left = new QVBoxLayout;
    left->addLayout(fieldRow);
    left->addLayout(optionsRow);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(374, 134)));

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
