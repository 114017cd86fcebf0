#pragma once

// The select-list dialog: a drop-down list (one visible row) or a scrolling list (three) with a
// number of placeholder options. The two kinds clear each other when checked; with neither
// checked the list scrolls.

#include "dialogs/ElementDialogFrame.h"
#include "dialogs/SelectMarkup.h"

class TSelect : public ElementDialogFrame {
    Q_OBJECT
public:
    TSelect(QWidget* owner, EditorSource editor);

    SelectSettings Settings() const;

    OptionCheckBox* RzCheckBox1; // drop-down
    OptionCheckBox* RzCheckBox2; // scrolling
    SpinEdit* RzSpinEdit1;

protected:
    void FormShow() override;
    std::string Markup() override { return BuildSelect(Settings()); }
};
