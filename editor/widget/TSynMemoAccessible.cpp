#include "editor/widget/TSynMemoAccessible.h"

#include "editor/qtbridge/QtCp1251.h"
#include "editor/widget/TSynMemo.h"

#include <algorithm>
#include <limits>

namespace varlo {

namespace {

// A window shown for an editor (the completion list): its parent is that editor, not the
// application, which lists no popup windows among its children.
class CompanionAccessible : public QAccessibleWidget {
public:
    explicit CompanionAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
    QAccessibleInterface* parent() const override {
        if (QObject* editor = widget()->property(kCompanionOf).value<QObject*>())
            return QAccessible::queryAccessibleInterface(editor);
        return QAccessibleWidget::parent();
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("varlo::TSynMemo"))
        return new TSynMemoAccessible(static_cast<TSynMemo*>(object));
    if (object->property(kCompanionWindow).toBool())
        return new CompanionAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// Runs a query for a client; a failure (memory running out on a huge text) gives the empty
// answer instead of reaching the event loop in the middle of whatever the editor was doing.
template <typename F, typename R> R guarded(R fallback, F&& f) noexcept {
    try {
        return f();
    } catch (...) {
        return fallback;
    }
}

int toInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, std::numeric_limits<int>::max()));
}

} // namespace

void installTSynMemoAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

// The lines in front of the change are untouched and so are the bytes after it; a line added at
// the end brings the line break in front of it.
std::optional<TextChange> textChangeOf(const EditorModel& model, const ModelChange& change,
                                       std::int64_t oldLength) {
    if (!(change.what & ModelChange::Lines))
        return std::nullopt;
    const int n = model.lineCount();
    const std::int64_t length = model.textLength();
    auto lineStart = [&](int i) {
        return i < n ? model.textOffsetInLine({1, std::max(i, 0) + 1}) : length;
    };
    TextChange c;
    c.position = std::min({lineStart(change.line), oldLength, length});
    const std::int64_t to = std::max(c.position, lineStart(change.line + change.linesAdded));
    c.removed = std::max<std::int64_t>(0, oldLength - c.position - (length - to));
    c.inserted = model.textBetween(c.position, to);
    if (c.removed == 0 && c.inserted.empty())
        return std::nullopt;
    return c;
}

TSynMemoAccessible::TSynMemoAccessible(TSynMemo* memo)
    : QAccessibleWidget(memo, QAccessible::EditableText) {}

int TSynMemoAccessible::childCount() const {
    const QWidget* c = memo()->companion();
    return QAccessibleWidget::childCount() + (c && c->isVisible() ? 1 : 0);
}

QAccessibleInterface* TSynMemoAccessible::child(int index) const {
    const int own = QAccessibleWidget::childCount();
    if (index < own)
        return QAccessibleWidget::child(index);
    QWidget* c = memo()->companion();
    return index == own && c && c->isVisible() ? QAccessible::queryAccessibleInterface(c) : nullptr;
}

int TSynMemoAccessible::indexOfChild(const QAccessibleInterface* child) const {
    QWidget* c = memo()->companion();
    if (child && c && child->object() == c)
        return c->isVisible() ? QAccessibleWidget::childCount() : -1;
    return QAccessibleWidget::indexOfChild(child);
}

TSynMemo* TSynMemoAccessible::memo() const {
    return static_cast<TSynMemo*>(widget());
}

void* TSynMemoAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString TSynMemoAccessible::text(QAccessible::Text t) const {
    return guarded(QString(), [&] {
        if (t == QAccessible::Value)
            return fromBytes(memo()->model().text());
        return QAccessibleWidget::text(t);
    });
}

void TSynMemoAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const auto [from, to] = guarded(std::pair<std::int64_t, std::int64_t>{},
                                    [&] { return memo()->model().selectionRange(selectionIndex); });
    *startOffset = toInt(from);
    *endOffset = toInt(to);
}

int TSynMemoAccessible::selectionCount() const {
    return guarded(0, [&] { return memo()->model().selectionRangeCount(); });
}

void TSynMemoAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void TSynMemoAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex < 0 || selectionIndex >= selectionCount())
        return;
    guarded(0, [&] {
        EditorModel& m = memo()->model();
        const Position c = m.caret();
        m.setCaretAndSelection(c, c, c);
        return 0;
    });
}

void TSynMemoAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0)
        return;
    guarded(0, [&] {
        EditorModel& m = memo()->model();
        const std::int64_t from = std::min(startOffset, endOffset);
        const std::int64_t length = std::int64_t{std::max(startOffset, endOffset)} - from;
        m.setSelectionStart(from);
        m.setSelectionLength(length);
        return 0;
    });
}

// A caret in free space past the line end is reported at the end of its own line.
int TSynMemoAccessible::cursorPosition() const {
    return guarded(0, [&] {
        const EditorModel& m = memo()->model();
        return toInt(m.textOffsetInLine(m.caret()));
    });
}

void TSynMemoAccessible::setCursorPosition(int position) {
    guarded(0, [&] {
        memo()->model().setSelectionStart(position);
        return 0;
    });
}

QString TSynMemoAccessible::text(int startOffset, int endOffset) const {
    return guarded(QString(),
                   [&] { return fromBytes(memo()->model().textBetween(startOffset, endOffset)); });
}

QString TSynMemoAccessible::lineAt(std::int64_t offset, int* startOffset, int* endOffset) const {
    const EditorModel& m = memo()->model();
    *startOffset = *endOffset = 0;
    if (m.lineCount() == 0)
        return {};
    const int line =
        m.textOffsetToPosition(std::clamp<std::int64_t>(offset, 0, m.textLength())).line;
    const int y = std::clamp(line, 1, m.lineCount());
    const std::int64_t from = m.textOffsetInLine({1, y});
    const std::int64_t to = y < m.lineCount() ? m.textOffsetInLine({1, y + 1}) : m.textLength();
    *startOffset = toInt(from);
    *endOffset = toInt(to);
    return fromBytes(m.textBetween(from, to));
}

// Lines are found through the offset index, not the text; a line break belongs to the line it
// ends, so the lines tile the text.
QString TSynMemoAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    return guarded(QString(), [&] {
        if (boundaryType == QAccessible::LineBoundary)
            return lineAt(offset, startOffset, endOffset);
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    });
}

QString TSynMemoAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    return guarded(QString(), [&] {
        if (boundaryType != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset,
                                                              endOffset);
        int from = 0;
        int to = 0;
        lineAt(offset, &from, &to);
        if (from == 0)
            return QString();
        return lineAt(from - 1, startOffset, endOffset);
    });
}

QString TSynMemoAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    return guarded(QString(), [&] {
        if (boundaryType != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset,
                                                             endOffset);
        int from = 0;
        int to = 0;
        lineAt(offset, &from, &to);
        if (to >= characterCount()) {
            *startOffset = *endOffset = characterCount();
            return QString();
        }
        return lineAt(to, startOffset, endOffset);
    });
}

int TSynMemoAccessible::characterCount() const {
    return guarded(0, [&] { return toInt(memo()->model().textLength()); });
}

QRect TSynMemoAccessible::characterRect(int offset) const {
    return guarded(QRect(), [&] {
        const TSynMemo* w = memo();
        const EditorModel& m = w->model();
        const std::int64_t v = std::clamp<std::int64_t>(offset, 0, m.textLength());
        Position p = m.textOffsetToPosition(v);
        p.line = std::clamp(p.line, 1, std::max(1, m.lineCount()));
        const QPoint global = w->viewport()->mapToGlobal(w->pointOf(p));
        return QRect(global, QSize(w->charWidth(), w->lineHeight()));
    });
}

int TSynMemoAccessible::offsetAtPoint(const QPoint& point) const {
    return guarded(0, [&] {
        const TSynMemo* w = memo();
        const QPoint local = w->viewport()->mapFromGlobal(point);
        return toInt(w->model().textOffsetInLine(w->positionAt(local)));
    });
}

void TSynMemoAccessible::scrollToSubstring(int startIndex, int endIndex) {
    guarded(0, [&] {
        EditorModel& m = memo()->model();
        m.setSelectionStart(startIndex);
        m.setSelectionLength(std::max<std::int64_t>(0, std::int64_t{endIndex} - startIndex));
        memo()->ensureCaretVisible();
        return 0;
    });
}

QString TSynMemoAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return {};
}

} // namespace varlo
