#include "editing/FindWindowBase.h"

#include "editor/qtbridge/QtCp1251.h"

#include <QCheckBox>
#include <QLineEdit>

FindWindowBase::FindWindowBase(QWidget* parent) : QDialog(parent) {
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    findField_ = new QLineEdit(this);
    findField_->setObjectName(QStringLiteral("FindText"));
    findField_->setMaxLength(kMaxFindText);
    connect(findField_, &QLineEdit::textEdited, this, [this] { presetValid_ = false; });
}

std::optional<std::string> FindWindowBase::FindText() const {
    if (presetValid_)
        return preset_;
    return varlo::toBytesExactly(findField_->text());
}

void FindWindowBase::setFindText(std::string_view bytes) {
    preset_.assign(bytes.substr(0, kMaxFindText));
    findField_->setText(varlo::fromBytes(preset_));
    presetValid_ = true;
}

void FindWindowBase::setOptions(unsigned options) {
    options_ = options;
    if (matchCase_)
        matchCase_->setChecked(options & frMatchCase);
}

void FindWindowBase::open(std::string_view selection, const QPoint& topLeft) {
    if (!isVisible())
        setFindText(selection);
    setOptions(options_ | frHideWholeWord);
    move(topLeft);
    show();
    raise();
    activateWindow();
}

QPoint FindWindowBase::openingCorner(const QRect& active) {
    // Integer halves truncated toward zero, as C++ division does.
    return {active.left() + active.width() / 2 - 187, active.top() + active.height() / 2 - 67};
}

void FindWindowBase::pressed(Option button) {
    options_ &= ~unsigned(frFindNext | frReplace | frReplaceAll);
    options_ |= button;
}

void FindWindowBase::addMatchCase(QCheckBox* box) {
    matchCase_ = box;
    box->setObjectName(QStringLiteral("MatchCase"));
    box->setChecked(options_ & frMatchCase);
    connect(box, &QCheckBox::toggled, this, [this](bool on) {
        options_ = on ? options_ | frMatchCase : options_ & ~unsigned(frMatchCase);
    });
}
