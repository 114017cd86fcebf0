#pragma once

#include "editor/document/EditorTypes.h"
#include "editor/widget/TSynMemo.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

class QKeyEvent;

namespace varlo {

class TSynCompletionForm;

// A completion popup shared by any number of editors: typing a trigger character and pausing
// opens a list of proposals below the caret; typing filters it and an end character, Tab, Enter
// or a double click completes the token at the caret. One list window serves every attached
// editor; it belongs to the editor that last triggered it.
class TSynCompletionProposal : public QObject, private TSynMemoHook {
    Q_OBJECT
public:
    // `owner` is the window the list belongs to (the main window).
    explicit TSynCompletionProposal(QWidget* owner);
    ~TSynCompletionProposal() override;

    // --- Settings
    // Display entries in pretty-text form and the texts they insert, in the same order.
    std::vector<std::string> ItemList;
    std::vector<std::string> InsertList;
    std::string TriggerChars = ".";
    std::string EndOfTokenChr = "()[]. ";
    int TimerInterval = 1000;
    int Width = 260;
    int NbLinesInWindow = 8;
    void setFont(const QFont& f);
    QFont Font() const { return font_; }

    // --- Editors
    // Attaching an editor twice has no effect; a destroyed editor is detached.
    void AddEditor(TSynMemo* editor);
    void RemoveEditor(TSynMemo* editor);
    bool hasEditor(const TSynMemo* editor) const;
    // The editor the window belongs to now (null before the first trigger).
    TSynMemo* Editor() const { return editor_; }

    // --- State
    bool isOpen() const;
    // The one-shot timer that a trigger character starts; it opens the popup when it fires.
    QTimer& Timer() { return timer_; }
    // What the timer does when it fires (tests call it in place of waiting).
    void TimerExpired();
    // Whether the program is the active application; the popup opens only then.
    std::function<bool()> applicationActive;
    const std::string& CurrentString() const { return current_; }
    int CompletionStart() const { return start_; }
    // The list window, created with the component.
    TSynCompletionForm* Form() const { return form_; }
    int rowCount() const;
    int selectedRow() const;
    // Index into ItemList/InsertList of a row of the filtered list.
    int sourceIndex(int row) const;

    // Opens the popup for the editor at its caret (the timer's step).
    void Execute(TSynMemo* editor);
    // Completes with the selected row; `endChar` says an end character caused it.
    void Complete(bool endChar);
    // Closes the window without completing.
    void Cancel();
    // Handles a key that the list window received; true when taken.
    bool handleKey(QKeyEvent* e);

private:
    void editorKeyPress(TSynMemo& editor, char ch) override;
    void editorCommand(TSynMemo& editor, EditorCommand command, char ch) override;
    void editorDestroyed(QObject* editor);
    void filter();
    void place();
    void hideForm();
    void formHidden();
    bool isTrigger(char ch) const;
    bool isEndChar(char ch) const;
    // The character at the caret, a space beyond the line end.
    char charAtCaret() const;
    // Runs an editor command while the window keeps the keyboard.
    void editorRun(EditorCommand command, char ch = 0);
    void typeKey(char ch);

    TSynCompletionForm* form_ = nullptr;
    QTimer timer_;
    QFont font_;
    std::vector<TSynMemo*> editors_;
    TSynMemo* editor_ = nullptr;
    std::string current_;
    int start_ = 1;
    std::vector<int> filtered_;
    bool hiding_ = false;
};

} // namespace varlo
