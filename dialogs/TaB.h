#pragma once

// The table dialog: column and row counts, border, column headers, cell spacing and padding,
// position, background and line colours, tooltip and caption; "Вставить" puts the whole table
// into the editor in one step.

#include "dialogs/ElementDialogFrame.h"
#include "dialogs/TableMarkup.h"

class QComboBox;
class QLineEdit;

class TTable : public ElementDialogFrame {
    Q_OBJECT
public:
    TTable(QWidget* owner, EditorSource editor);

    // The settings that the inputs stand for now.
    TableSettings Settings() const;

    SpinEdit* RzSpinEdit1;       // columns
    SpinEdit* RzSpinEdit3;       // border
    SpinEdit* RzSpinEdit2;       // rows
    OptionCheckBox* RzCheckBox1; // column headers
    SpinEdit* RzSpinEdit4;       // cell spacing
    SpinEdit* RzSpinEdit5;       // cell padding
    OptionCheckBox* RzCheckBox4; // cells at their defaults
    QComboBox* RzComboBox1;      // position
    OptionCheckBox* RzCheckBox2; // background
    ColorBox* RzColorComboBox1;
    OptionCheckBox* RzCheckBox3; // line colour
    ColorBox* RzColorComboBox2;
    QLineEdit* RzEdit1;          // tooltip
    OptionCheckBox* RzCheckBox5; // caption
    QLineEdit* RzEdit2;

protected:
    void FormShow() override;
    std::string Markup() override { return BuildTable(Settings()); }
};
