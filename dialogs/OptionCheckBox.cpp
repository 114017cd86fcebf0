#include "dialogs/OptionCheckBox.h"

#include "dialogs/DialogLook.h"

OptionCheckBox::OptionCheckBox(const QString& objectName, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent) {
    setObjectName(objectName);
    setFont(DialogLook::labelFont());
    setAccessibleName(caption.trimmed());
    connect(this, &QCheckBox::toggled, this, &OptionCheckBox::apply);
}

void OptionCheckBox::setSwitchedToolTips(const QString& whenChecked, const QString& whenUnchecked) {
    onTip_ = whenChecked;
    offTip_ = whenUnchecked;
    apply();
}

void OptionCheckBox::setDependents(QList<QWidget*> widgets, bool enabledWhenChecked) {
    dependents_.clear();
    for (QWidget* w : widgets)
        dependents_ << w;
    enabledWhenChecked_ = enabledWhenChecked;
    apply();
}

void OptionCheckBox::setState(bool checked) {
    setChecked(checked);
    apply();
}

void OptionCheckBox::apply() {
    if (!onTip_.isEmpty() || !offTip_.isEmpty())
        setToolTip(isChecked() ? onTip_ : offTip_);
    const bool on = isChecked() == enabledWhenChecked_;
    for (const QPointer<QWidget>& w : dependents_)
        if (w)
            w->setEnabled(on);
}
