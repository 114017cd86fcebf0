#include "dialogs/SpinEdit.h"

#include <QLineEdit>

#include <algorithm>

SpinEdit::SpinEdit(int min, int max, QWidget* parent)
    : QAbstractSpinBox(parent), min_(min), max_(std::max(min, max)) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(true);
    lineEdit()->setText(QString::number(min_));
}

int SpinEdit::clamp(const QString& text, int min, int max) {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok)
        return min;
    return static_cast<int>(std::clamp<qlonglong>(v, min, max));
}

int SpinEdit::Value() const {
    return clamp(lineEdit()->text(), min_, max_);
}

void SpinEdit::setValue(int value) {
    const int v = std::clamp(value, min_, max_);
    const bool changed = lineEdit()->text() != QString::number(v);
    lineEdit()->setText(QString::number(v));
    if (changed)
        emit valueChanged(v);
}

void SpinEdit::normalize() {
    setValue(Value());
}

void SpinEdit::stepBy(int steps) {
    // The sum is formed in 64 bits: a large step near the ends cannot overflow.
    setValue(static_cast<int>(std::clamp<qlonglong>(qlonglong(Value()) + steps, min_, max_)));
    selectAll();
}

QValidator::State SpinEdit::validate(QString&, int&) const {
    // Typing is free; the text is judged when the field is left.
    return QValidator::Acceptable;
}

void SpinEdit::fixup(QString& input) const {
    input = QString::number(clamp(input, min_, max_));
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    normalize();
    QAbstractSpinBox::focusOutEvent(event);
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    if (!isEnabled() || isReadOnly())
        return StepNone;
    const int v = Value();
    StepEnabled e = StepNone;
    if (v < max_)
        e |= StepUpEnabled;
    if (v > min_)
        e |= StepDownEnabled;
    return e;
}
