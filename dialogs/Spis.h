#pragma once

// The list dialog: a numbered or a bulleted list with a marker type, a number of placeholder
// items and an optional tooltip. The two kinds are check boxes that clear each other, so both
// may end up unchecked; the list is numbered only while "Нумерованный список" is checked, and the
// marker names shown always belong to the kind of list that "Вставить" writes.

#include "dialogs/ElementDialogFrame.h"
#include "dialogs/ListMarkup.h"

class QLineEdit;
class RadioGroup;

class TSpisok : public ElementDialogFrame {
    Q_OBJECT
public:
    TSpisok(QWidget* owner, EditorSource editor);

    ListSettings Settings() const;

    OptionCheckBox* RzCheckBox1; // numbered
    OptionCheckBox* RzCheckBox2; // bulleted
    RadioGroup* RadioGroup1;
    SpinEdit* RzSpinEdit1;
    OptionCheckBox* RzCheckBox3; // tooltip
    QLineEdit* RzEdit1;

    void LoadNumberedMarkers();
    void LoadBulletMarkers();

protected:
    void FormShow() override;
    std::string Markup() override { return BuildList(Settings()); }

private:
    void loadMarkers(bool numbered);
    void RzCheckBox1Click(bool checked);
    void RzCheckBox2Click(bool checked);
};
