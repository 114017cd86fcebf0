#pragma once

// An option check box of the element dialogs: turning it on enables the inputs that belong to it
// (or, for an inverted option such as "По умолчанию", disables them), and it may switch its own
// tooltip between a wording for each state. Its caption never changes.
//
// The work runs on toggled(), which Qt emits for a click and for a change by the program alike,
// and only when the state really changes; setState() also brings the tooltip and the inputs in
// line when the state stays as it was, which is what a dialog's reset needs.

#include <QCheckBox>
#include <QList>
#include <QPointer>

class OptionCheckBox : public QCheckBox {
    Q_OBJECT
public:
    OptionCheckBox(const QString& objectName, const QString& caption, QWidget* parent);

    // Tooltips for the checked and the unchecked state; a box without them keeps one tooltip.
    void setSwitchedToolTips(const QString& whenChecked, const QString& whenUnchecked);
    // The inputs that follow the box; `enabledWhenChecked` false inverts them.
    void setDependents(QList<QWidget*> widgets, bool enabledWhenChecked = true);
    // Sets the state (its handlers run when it changes), then applies tooltip and inputs.
    void setState(bool checked);

private:
    void apply();
    QString onTip_;
    QString offTip_;
    QList<QPointer<QWidget>> dependents_;
    bool enabledWhenChecked_ = true;
};
