#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QCheckBox;
class QLineEdit;

// What the find and replace windows share: the search text, the option set and the opening
// step. The windows only collect input and report button presses; the searching is the
// caller's (FindReplace).
class FindWindowBase : public QDialog {
    Q_OBJECT
public:
    // The option bits, with the values the options have always had.
    enum Option : unsigned {
        frDown = 0x1,
        frMatchCase = 0x4,
        frFindNext = 0x8,
        frReplace = 0x10,
        frReplaceAll = 0x20,
        frHideWholeWord = 0x10000,
    };
    static constexpr int kMaxFindText = 255;

    explicit FindWindowBase(QWidget* parent);

    // The search text in Windows-1251; nothing when the field holds a character that no
    // document can contain (then nothing is ever found).
    std::optional<std::string> FindText() const;
    void setFindText(std::string_view bytes);
    unsigned Options() const { return options_; }
    virtual void setOptions(unsigned options);

    // Opening: preset the search text from `selection` (first 255 characters) unless the window
    // is already open, place the top-left corner at the given point, show and raise it.
    void open(std::string_view selection, const QPoint& topLeft);
    // The corner for a window opened over `active`: its centre less (187, 67).
    static QPoint openingCorner(const QRect& active);

signals:
    void OnFind();

protected:
    // Sets the button's flag (frFindNext, frReplace or frReplaceAll) and clears the others.
    void pressed(Option button);
    void addMatchCase(QCheckBox* box);

    QLineEdit* findField_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    unsigned options_ = frDown;

private:
    // The exact bytes of a preset that the field cannot show faithfully (a line break).
    std::string preset_;
    bool presetValid_ = false;
};
