#pragma once

#include "editor/document/EditorModel.h"

#include <QAccessibleWidget>

#include <cstdint>
#include <optional>
#include <string>

namespace varlo {

class TSynMemo;

// What a screen reader sees of an editor: its text, the caret, the selection and the lines.
// Offsets are those of the model (a line break counts two), which are also Unicode offsets of
// the text as read here, since every Windows-1251 byte is one character. A client may ask with
// any offset at any moment, even in the middle of an edit: every answer is clamped, nothing here
// changes the document, and no failure reaches the event loop.
class TSynMemoAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TSynMemoAccessible(TSynMemo* memo);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    // The editor's companion window (the completion list) follows its own children.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    TSynMemo* memo() const;
    // The line holding the offset, its line break included: [start, end) and its text.
    QString lineAt(std::int64_t offset, int* startOffset, int* endOffset) const;
};

// The property that names, on a companion window, the editor it belongs to.
inline constexpr char kCompanionOf[] = "varloCompanionOf";
// The property that a companion window sets on itself before it is first shown, so that its
// accessible interface reports the editor as its parent.
inline constexpr char kCompanionWindow[] = "varloCompanionWindow";
// A change of the text as a screen reader hears of it: `removed` characters at `position` of the
// old text gave way to `inserted`.
struct TextChange {
    std::int64_t position = 0;
    std::int64_t removed = 0;
    std::string inserted;
};
// The change that a model notification stands for, given the text's length before it; nothing
// when the text stayed as it was.
std::optional<TextChange> textChangeOf(const EditorModel& model, const ModelChange& change,
                                       std::int64_t oldLength);

// Registers the factory that gives every TSynMemo its accessible interface (once per process).
void installTSynMemoAccessibility();

} // namespace varlo
