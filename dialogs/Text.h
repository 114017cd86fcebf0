#pragma once

// The font dialog: an empty font element with any of a typeface (picked from the installed
// fonts, with a live preview), a size from 1 to 7 and a colour. It goes in through InsertTag, so
// the caret lands between the two tags. The chosen typeface and colour stay chosen from one use
// to the next; they are written only while their options are checked.

#include "dialogs/ElementDialogFrame.h"
#include "dialogs/FontMarkup.h"

class FontListBox;
class QLabel;
class QPlainTextEdit;

class TTekst : public ElementDialogFrame {
    Q_OBJECT
public:
    TTekst(QWidget* owner, EditorSource editor);

    FontSettings Settings() const;

    OptionCheckBox* RzCheckBox1; // font name
    FontListBox* RzFontListBox1;
    QPlainTextEdit* RzMemo1;     // preview
    QLabel* Label4;              // "Текущие имя шрифта:"
    QLabel* Label5;              // the chosen name
    OptionCheckBox* RzCheckBox2; // colour
    ColorBox* RzColorComboBox2;
    OptionCheckBox* RzCheckBox3; // size
    SpinEdit* RzSpinEdit1;

    // The preview takes the typeface and the name label shows its name.
    void RzFontListBox1Click(const QString& family);

protected:
    void FormShow() override;
    std::string Markup() override { return BuildFont(Settings()); }
};
