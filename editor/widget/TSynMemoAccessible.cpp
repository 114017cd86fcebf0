#include "editor/widget/TSynMemoAccessible.h"

#include "editor/qtbridge/QtCp1251.h"
#include "editor/widget/TSynMemo.h"

#include <algorithm>

namespace varlo {

namespace {

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("varlo::TSynMemo") && object && object->isWidgetType())
        return new TSynMemoAccessible(static_cast<TSynMemo*>(object));
    return nullptr;
}

} // namespace

void installTSynMemoAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

TSynMemoAccessible::TSynMemoAccessible(TSynMemo* memo)
    : QAccessibleWidget(memo, QAccessible::EditableText) {}

TSynMemo* TSynMemoAccessible::memo() const {
    return static_cast<TSynMemo*>(widget());
}

void* TSynMemoAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString TSynMemoAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return fromBytes(memo()->model().text());
    return QAccessibleWidget::text(t);
}

void TSynMemoAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const EditorModel& m = memo()->model();
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !m.selectionAvailable())
        return;
    *startOffset = static_cast<int>(m.selectionStart());
    *endOffset = static_cast<int>(m.selectionStart() + m.selectionLength());
}

int TSynMemoAccessible::selectionCount() const {
    return memo()->model().selectionAvailable() ? 1 : 0;
}

void TSynMemoAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void TSynMemoAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex != 0)
        return;
    EditorModel& m = memo()->model();
    const Position c = m.caret();
    m.setCaretAndSelection(c, c, c);
}

void TSynMemoAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0)
        return;
    EditorModel& m = memo()->model();
    m.setSelectionStart(std::min(startOffset, endOffset));
    m.setSelectionLength(std::abs(endOffset - startOffset));
}

int TSynMemoAccessible::cursorPosition() const {
    const EditorModel& m = memo()->model();
    return static_cast<int>(m.positionToTextOffset(m.caret()));
}

void TSynMemoAccessible::setCursorPosition(int position) {
    memo()->model().setSelectionStart(position);
}

QString TSynMemoAccessible::text(int startOffset, int endOffset) const {
    const EditorModel& m = memo()->model();
    const auto length = m.textLength();
    const std::int64_t from = std::clamp<std::int64_t>(startOffset, 0, length);
    const std::int64_t to = std::clamp<std::int64_t>(endOffset, from, length);
    if (from == to)
        return {};
    return fromBytes(m.rangeText(m.textOffsetToPosition(from), m.textOffsetToPosition(to),
                                 SelectionMode::smNormal));
}

QString TSynMemoAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
    const EditorModel& m = memo()->model();
    if (boundaryType == QAccessible::LineBoundary && m.lineCount() > 0) {
        // One line without its line break; lines found through the offset index, not the text.
        Position p = m.textOffsetToPosition(std::clamp<std::int64_t>(offset, 0, m.textLength()));
        p.line = std::clamp(p.line, 1, m.lineCount());
        const auto start = m.positionToTextOffset({1, p.line});
        const int len = m.lineLength(p.line - 1);
        *startOffset = static_cast<int>(start);
        *endOffset = static_cast<int>(start + len);
        return fromBytes(m.line(p.line - 1));
    }
    return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
}

int TSynMemoAccessible::characterCount() const {
    return static_cast<int>(memo()->model().textLength());
}

QRect TSynMemoAccessible::characterRect(int offset) const {
    const TSynMemo* w = memo();
    const QPoint p = w->pointOf(w->model().textOffsetToPosition(offset));
    const QPoint global = w->viewport()->mapToGlobal(p);
    return {global, QSize(w->charWidth(), w->lineHeight())};
}

int TSynMemoAccessible::offsetAtPoint(const QPoint& point) const {
    const TSynMemo* w = memo();
    const QPoint local = w->viewport()->mapFromGlobal(point);
    return static_cast<int>(w->model().positionToTextOffset(w->positionAt(local)));
}

void TSynMemoAccessible::scrollToSubstring(int startIndex, int endIndex) {
    EditorModel& m = memo()->model();
    m.setSelectionStart(startIndex);
    m.setSelectionLength(std::max(0, endIndex - startIndex));
    memo()->ensureCaretVisible();
}

QString TSynMemoAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return {};
}

} // namespace varlo
