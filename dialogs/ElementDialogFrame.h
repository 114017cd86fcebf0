#pragma once

// The frame every element dialog is built on: a fixed-size tool window owned by the main window,
// created on its first use and shown again for every later one, centred over its owner, modal,
// on top of other windows unless the dialog says otherwise. At the bottom sit "Вставить" (green
// tick) and "Отмена" (red cross); neither is a default or a cancel button, so Enter and Esc press
// neither, and closing the window with its caption button is the same as "Отмена".
//
// A dialog derives from the frame, lays its controls out in body(), resets its inputs in
// FormShow() and builds its markup in Markup(). "Вставить" asks for the markup first and only then
// touches the editor, so a failure while building leaves the editor as it was and the dialog
// open; it is reported with ReportError.

#include "dialogs/ColorBox.h"

#include <QDialog>
#include <QSize>
#include <QString>

#include <functional>
#include <string>

class ButtonEdit;
class OptionCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SpinEdit;

namespace varlo {
class EditorModel;
}

class ElementDialogFrame : public QDialog {
    Q_OBJECT
public:
    // ActiveEditor's model at the moment of insertion; nullptr while there is none.
    using EditorSource = std::function<varlo::EditorModel*()>;

    enum class Insertion {
        Plain, // assigned to SelectedText; the caret ends after the markup
        Tag,   // InsertTag: the caret goes in front of the markup's last tag
    };

    struct Frame {
        QString objectName; // the window class without its "T": "Table", "Tekst"
        QString caption;    // as shown, leading blanks included
        QSize clientSize;
        bool onTop = true;
        Insertion insertion = Insertion::Plain;
        QString insertHint; // tooltips of the two buttons
        QString cancelHint;
    };

    ElementDialogFrame(QWidget* owner, EditorSource editor, const Frame& frame);

    // Centres the window over its owner and shows it modally; the show handler runs first.
    int Open();

    QPushButton* RzBitBtn1 = nullptr; // "Вставить"
    QPushButton* RzBitBtn2 = nullptr; // "Отмена"

    // "Вставить": builds the markup, inserts it into ActiveEditor and closes the dialog.
    void RzBitBtn1Click();
    // "Отмена": closes the dialog; nothing is inserted.
    void RzBitBtn2Click();

protected:
    // Resets what the dialog's own reset list names, on every showing.
    virtual void FormShow() = 0;
    // The markup of the current inputs, in Windows-1251.
    virtual std::string Markup() = 0;

    // The area above the buttons; the dialog gives it a layout of its own.
    QWidget* body() const { return body_; }

    // Controls in the dialogs' look, children of body(), with their objectName and tooltip. Each
    // is named for screen readers by its tooltip until label() gives it its label's text.
    SpinEdit* spinEdit(const char* name, int min, int max, const QString& hint);
    QLineEdit* edit(const char* name, const QString& hint);
    ButtonEdit* buttonEdit(const char* name, const QString& hint, const QString& buttonHint);
    ColorBox* colorBox(const char* name, ColorBox::DefaultSwatch swatch, const QString& hint);
    OptionCheckBox* checkBox(const char* name, const QString& caption,
                             const QString& hint = QString());
    QLabel* label(const QString& text, QWidget* buddy = nullptr);
    QWidget* heading(const QString& text = QString());

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    EditorSource editor_;
    Insertion insertion_;
    QWidget* body_ = nullptr;
};
