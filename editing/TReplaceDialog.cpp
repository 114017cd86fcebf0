#include "editing/TReplaceDialog.h"

#include "editor/qtbridge/QtCp1251.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TReplaceDialog::TReplaceDialog(QWidget* parent) : FindWindowBase(parent) {
    setObjectName(QStringLiteral("ReplaceDialog1"));
    setWindowTitle(QStringLiteral("Заменить"));

    auto* findLabel = new QLabel(QStringLiteral("&Что:"), this);
    findLabel->setBuddy(findField_);
    replaceField_ = new QLineEdit(this);
    replaceField_->setObjectName(QStringLiteral("ReplaceText"));
    replaceField_->setMaxLength(kMaxFindText);
    auto* replaceLabel = new QLabel(QStringLiteral("Ч&ем:"), this);
    replaceLabel->setBuddy(replaceField_);
    auto* matchCase = new QCheckBox(QStringLiteral("С учётом &регистра"), this);
    addMatchCase(matchCase);

    findNext_ = new QPushButton(QStringLiteral("&Найти далее"), this);
    findNext_->setObjectName(QStringLiteral("FindNext"));
    findNext_->setDefault(true);
    replace_ = new QPushButton(QStringLiteral("&Заменить"), this);
    replace_->setObjectName(QStringLiteral("Replace"));
    replaceAll_ = new QPushButton(QStringLiteral("Заменить &все"), this);
    replaceAll_->setObjectName(QStringLiteral("ReplaceAll"));
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(findField_, 0, 1);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(replaceField_, 1, 1);
    grid->addWidget(matchCase, 2, 0, 1, 2, Qt::AlignBottom);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {findNext_, replace_, replaceAll_, cancel})
        buttons->addWidget(b);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 3, 1);
    setFixedSize(sizeHint().expandedTo(QSize(374, 160)));

    auto update = [this] {
        const bool any = !findField_->text().isEmpty();
        for (QPushButton* b : {findNext_, replace_, replaceAll_})
            b->setEnabled(any);
    };
    connect(findField_, &QLineEdit::textChanged, this, update);
    update();
    connect(findNext_, &QPushButton::clicked, this, [this] {
        pressed(frFindNext);
        emit OnFind();
    });
    connect(replace_, &QPushButton::clicked, this, [this] {
        pressed(frReplace);
        emit OnReplace();
    });
    connect(replaceAll_, &QPushButton::clicked, this, [this] {
        pressed(frReplaceAll);
        emit OnReplace();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

std::string TReplaceDialog::ReplaceText() const {
    return varlo::toBytes(replaceField_->text(), varlo::Unheld::Skip);
}

void TReplaceDialog::setReplaceText(std::string_view bytes) {
    replaceField_->setText(varlo::fromBytes(bytes));
}
