#include "dialogs/ButtonEdit.h"

#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>

ButtonEdit::ButtonEdit(QWidget* parent) : QLineEdit(parent), button_(new QToolButton(this)) {
    button_->setObjectName(QStringLiteral("browse"));
    button_->setText(QStringLiteral("..."));
    button_->setCursor(Qt::ArrowCursor);
    button_->setFocusPolicy(Qt::NoFocus); // F4 reaches it from the field
    button_->setFixedWidth(kButtonWidth);
    // The text never runs under the button.
    setTextMargins(0, 0, kButtonWidth, 0);
    connect(button_, &QToolButton::clicked, this, &ButtonEdit::browse);
}

void ButtonEdit::setButtonHint(const QString& hint) {
    button_->setToolTip(hint);
    button_->setAccessibleName(hint);
}

void ButtonEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier) {
        emit browse();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ButtonEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    button_->setGeometry(width() - kButtonWidth - frame, frame, kButtonWidth, height() - 2 * frame);
}
