#include "editor/widget/TSynMemo.h"

#include "editor/highlight/TSynCustomHighlighter.h"
#include "editor/qtbridge/QtCp1251.h"
#include "editor/widget/QtEditorClipboard.h"
#include "editor/widget/SystemColors.h"
#include "editor/widget/TSynMemoAccessible.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace varlo {

namespace {

// Keys that Shift turns into another key code on the usual layouts: the digits' symbols.
struct ShiftedDigit {
    int key;
    int digit;
};
constexpr ShiftedDigit kShiftedDigits[] = {
    {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},       {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},     {Qt::Key_Percent, '5'},  {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},  {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

TShiftState shiftStateOf(Qt::KeyboardModifiers m) {
    TShiftState s = ssNone;
    if (m & Qt::ShiftModifier)
        s |= ssShift;
    if (m & Qt::ControlModifier)
        s |= ssCtrl;
    if (m & Qt::AltModifier)
        s |= ssAlt;
    return s;
}

// The stroke as the key table spells it.
std::pair<int, TShiftState> strokeOf(const QKeyEvent* e) {
    int key = e->key();
    TShiftState shift = shiftStateOf(e->modifiers());
    if (key == Qt::Key_Backtab) {
        key = Qt::Key_Tab;
        shift |= ssShift;
    }
    if (shift & ssShift) {
        for (const auto& d : kShiftedDigits)
            if (d.key == key)
                key = d.digit;
    }
    return {key, shift};
}

// Ctrl or Alt alone makes a stroke a command or a menu accelerator; both together are the
// AltGr of some layouts, which types.
bool typedText(TShiftState shift) {
    const bool ctrl = shift & ssCtrl;
    const bool alt = shift & ssAlt;
    return ctrl == alt;
}

// Failures of commands run from the keyboard are shown the way the main loop shows any failure
// that no handler caught: the message with a full stop, the application's title, an error icon.
void showFailure(QWidget* parent, const std::exception& e) {
    QString text = QString::fromUtf8(e.what());
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

} // namespace

TSynMemo::TSynMemo(QWidget* parent)
    : QAbstractScrollArea(parent), model_(std::make_unique<EditorModel>()),
      clipboard_(std::make_unique<QtEditorClipboard>()), commands_(*model_),
      // An edit's rescan stops a line past the view; the idle scan gives the rest the same states.
      states_(
          *model_, [this] { return commands_.view.topLine + commands_.view.linesInWindow + 1; },
          [this] { idleScan_.start(0, this); }) {
    setObjectName(QStringLiteral("TSynMemo"));
    model_->setClipboard(clipboard_.get());
    model_->addObserver(this);
    model_->onChange = [this] { emit OnChange(); };

    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setFont(QFont(QStringLiteral("Courier New"), 10));
    fontChanged();

    connect(verticalScrollBar(), &QScrollBar::sliderPressed, this,
            [this] { showScrollHint(true); });
    connect(verticalScrollBar(), &QScrollBar::sliderMoved, this, [this] { showScrollHint(true); });
    connect(verticalScrollBar(), &QScrollBar::sliderReleased, this,
            [this] { showScrollHint(false); });
    installTSynMemoAccessibility();
}

TSynMemo::~TSynMemo() {
    // The highlighter is not touched here: its owner may already have destroyed it (a window
    // destroys its own members before its child widgets). The listener it keeps checks `alive_`
    // and does nothing once the editor is gone.
    model_->removeObserver(this);
    model_->onChange = nullptr;
}

// --- Properties

void TSynMemo::setColor(TColor c) {
    color_ = c;
    viewport()->update();
}
void TSynMemo::setActiveLineColor(TColor c) {
    activeLineColor_ = c;
    viewport()->update();
}
void TSynMemo::setSelectedColor(TColor background, TColor foreground) {
    selectedBackground_ = background;
    selectedForeground_ = foreground;
    viewport()->update();
}
void TSynMemo::setFontColor(TColor c) {
    fontColor_ = c;
    viewport()->update();
}
void TSynMemo::setRightEdge(int column) {
    rightEdge_ = column;
    viewport()->update();
}
void TSynMemo::setRightEdgeColor(TColor c) {
    rightEdgeColor_ = c;
    viewport()->update();
}
void TSynMemo::setTabWidth(int w) {
    model_->setTabWidth(w);
    viewport()->update();
}
void TSynMemo::setInsertMode(bool on) {
    model_->setInsertMode(on);
    viewport()->update();
}
void TSynMemo::setHideSelection(bool on) {
    hideSelection_ = on;
    viewport()->update();
}
void TSynMemo::setGutter(const TSynGutter& g) {
    gutter_ = g;
    fontChanged();
}

void TSynMemo::setHighlighter(TSynCustomHighlighter* h) {
    if (highlighter_)
        highlighter_->removeChangeListener(highlighterListener_);
    highlighter_ = h;
    states_.setHighlighter(h);
    highlighterListener_ = 0;
    highlighterEnabled_ = h && h->enabled();
    if (h) {
        highlighterListener_ = h->addChangeListener([this, alive = std::weak_ptr<int>(alive_)] {
            if (!alive.expired())
                highlighterChanged();
        });
    }
    commands_.setWordChars(h ? [h] {
        std::bitset<256> set;
        for (int c = 0; c < 256; ++c)
            set[static_cast<std::size_t>(c)] = h->isWordChar(static_cast<unsigned char>(c));
        return set;
    }()
                             : EditorCommands::defaultWordChars());
    invalidateStates();
    viewport()->update();
}

void TSynMemo::highlighterChanged() {
    // Colours change nothing in the end states; switching the highlighter on or off does.
    const bool enabled = highlighter_ && highlighter_->enabled();
    if (enabled != highlighterEnabled_) {
        highlighterEnabled_ = enabled;
        invalidateStates();
    }
    viewport()->update();
}

void TSynMemo::invalidateStates() {
    idleScan_.stop();
    states_.invalidate(); // starts the idle scan again while there is something to scan
}

// --- Geometry

void TSynMemo::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange)
        fontChanged();
    QAbstractScrollArea::changeEvent(e);
}

void TSynMemo::fontChanged() {
    const QFontMetrics fm(font());
    charWidth_ = std::max(1, fm.horizontalAdvance(QLatin1Char('M')));
    lineHeight_ = std::max(1, fm.height());
    ascent_ = fm.ascent();
    const QFontMetrics gfm(gutter_.Font);
    gutterCharWidth_ = std::max(1, gfm.horizontalAdvance(QLatin1Char('0')));
    updateScrollBars();
    viewport()->update();
}

// The digit field holds DigitCount digits and, whether or not AutoSize is on, every digit of the
// largest line number: the gutter widens rather than cut a number's first digits off.
int TSynMemo::gutterDigits() const {
    long long n = std::max(1, model_->lineCount()) - 1LL + gutter_.LineNumberStart;
    int d = 1;
    while (n >= 10) {
        n /= 10;
        ++d;
    }
    return std::max({1, gutter_.DigitCount, d});
}

int TSynMemo::gutterWidth() const {
    if (!gutter_.Visible)
        return 0;
    if (!gutter_.ShowLineNumbers)
        return gutter_.Width;
    const int cw = gutter_.UseFontStyle ? gutterCharWidth_ : charWidth_;
    return gutter_.LeftOffset + gutter_.RightOffset + 2 + gutterDigits() * cw;
}

int TSynMemo::textStart() const {
    return gutterWidth() + 2;
}

int TSynMemo::linesInWindow() const {
    return std::max(1, viewport()->height() / lineHeight_);
}

Position TSynMemo::positionAt(QPoint pt) const {
    const int count = std::max(1, model_->lineCount());
    int line = commands_.view.topLine + (pt.y() >= 0 ? pt.y() / lineHeight_ : -1);
    line = std::clamp(line, 1, count);
    const int x = pt.x() - textStart();
    int cell = commands_.view.leftChar + (x >= 0 ? (x + charWidth_ / 2) / charWidth_ : -1);
    cell = std::clamp(cell, 1, kMaxScrollWidth + 1);
    const int column = model_->columnAtDisplay(line, cell);
    return {std::clamp(column, 1, kMaxScrollWidth + 1), line};
}

QPoint TSynMemo::pointOf(Position p) const {
    const int cell = model_->displayColumn(p.line, p.column);
    return {textStart() + (cell - commands_.view.leftChar) * charWidth_,
            (p.line - commands_.view.topLine) * lineHeight_};
}

void TSynMemo::updateView() {
    EditorView& v = commands_.view;
    v.linesInWindow = linesInWindow();
    v.charsInWindow = std::max(1, (viewport()->width() - textStart()) / charWidth_);
}

void TSynMemo::updateScrollBars() {
    scrollBarsPending_ = false;
    updateView();
    const EditorView& v = commands_.view;
    const int count = std::max(1, model_->lineCount());
    syncingScrollBars_ = true;
    QScrollBar* vb = verticalScrollBar();
    vb->setRange(0, std::max(0, count - v.linesInWindow));
    vb->setPageStep(v.linesInWindow);
    vb->setSingleStep(1);
    vb->setValue(v.topLine - 1);
    QScrollBar* hb = horizontalScrollBar();
    hb->setRange(0, std::max(0, kMaxScrollWidth - v.charsInWindow));
    hb->setPageStep(v.charsInWindow);
    hb->setValue(v.leftChar - 1);
    syncingScrollBars_ = false;
}

void TSynMemo::scrollContentsBy(int, int) {
    if (syncingScrollBars_)
        return;
    commands_.view.topLine = verticalScrollBar()->value() + 1;
    commands_.view.leftChar = horizontalScrollBar()->value() + 1;
    viewport()->update();
}

void TSynMemo::setTopLine(int line) {
    const int count = std::max(1, model_->lineCount());
    commands_.view.topLine = std::clamp(line, 1, std::max(1, count - linesInWindow() + 1));
    updateScrollBars();
    viewport()->update();
}

void TSynMemo::ensureCaretVisible() {
    updateView();
    commands_.ensureCaretVisible();
    updateScrollBars();
    viewport()->update();
}

void TSynMemo::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    updateScrollBars();
}

void TSynMemo::showScrollHint(bool dragging) {
    if (!dragging || !(model_->options & eoShowScrollHint)) {
        if (scrollHint_)
            scrollHint_->hide();
        return;
    }
    if (!scrollHint_) {
        scrollHint_ = new QLabel(this, Qt::ToolTip);
        scrollHint_->setObjectName(QStringLiteral("ScrollHint"));
        scrollHint_->setAutoFillBackground(true);
        QPalette pal = scrollHint_->palette();
        pal.setColor(QPalette::Window, toQColor(clInfoBk));
        pal.setColor(QPalette::WindowText, toQColor(clInfoText));
        scrollHint_->setPalette(pal);
        scrollHint_->setMargin(2);
    }
    const int top = verticalScrollBar()->sliderPosition() + 1;
    scrollHint_->setText(QStringLiteral("Top Line: %1").arg(top));
    scrollHint_->adjustSize();
    const QPoint at = QCursor::pos() - QPoint(scrollHint_->width() + 16, scrollHint_->height() / 2);
    scrollHint_->move(at);
    scrollHint_->show();
}

QString TSynMemo::scrollHintText() const {
    return scrollHint_ ? scrollHint_->text() : QString();
}

// --- Model notifications and end states

void TSynMemo::modelChanged(const ModelChange& change) {
    // The line state cache follows the lines on its own.
    if (change.what & ModelChange::Lines) {
        // Loading adds lines one by one: the scroll bars follow once the batch is done.
        scrollBarsPending_ = true;
        schedulePending();
    }
    notifyAccessibility(change);
    if (change.what & ModelChange::Caret) {
        caretPending_ = true;
        schedulePending();
    }
    viewport()->update();
}

// Screen readers hear of every change as the text that went and the text that came at one offset;
// the text that went is no longer there and stands as that many blanks, as Qt's own text widgets
// report it. Each event is of the class its type calls for: the bridge reads them as such.
void TSynMemo::notifyAccessibility(const ModelChange& change) {
    const std::int64_t oldLength = notifiedLength_;
    const std::int64_t length = model_->textLength();
    notifiedLength_ = length;
    if (!QAccessible::isActive())
        return;
    if (const auto c = textChangeOf(*model_, change, oldLength)) {
        const QString inserted = fromBytes(c->inserted);
        const QString gone(static_cast<qsizetype>(c->removed), QLatin1Char(' '));
        const int at = static_cast<int>(c->position);
        if (c->removed == 0) {
            QAccessibleTextInsertEvent ev(this, at, inserted);
            QAccessible::updateAccessibility(&ev);
        } else if (inserted.isEmpty()) {
            QAccessibleTextRemoveEvent ev(this, at, gone);
            QAccessible::updateAccessibility(&ev);
        } else {
            QAccessibleTextUpdateEvent ev(this, at, gone, inserted);
            QAccessible::updateAccessibility(&ev);
        }
    }
    if (change.what & (ModelChange::Caret | ModelChange::Lines)) {
        QAccessibleTextCursorEvent ev(this,
                                      static_cast<int>(model_->textOffsetInLine(model_->caret())));
        QAccessible::updateAccessibility(&ev);
    }
    if (change.what & ModelChange::Selection) {
        QAccessibleTextSelectionEvent ev(this, 0, 0);
        if (model_->selectionRangeCount() > 0) {
            const auto [b, e] = model_->selectionRange(0);
            ev.setSelection(static_cast<int>(b), static_cast<int>(e));
        }
        QAccessible::updateAccessibility(&ev);
    }
}

void TSynMemo::schedulePending() {
    if (pendingScheduled_)
        return;
    pendingScheduled_ = true;
    QMetaObject::invokeMethod(
        this, [this] { flushPending(); }, Qt::QueuedConnection);
}

void TSynMemo::flushPending() {
    pendingScheduled_ = false;
    if (caretPending_) {
        caretPending_ = false;
        restartCaretBlink();
        if (!mouseSelecting_)
            ensureCaretVisible(); // brings the scroll bars up to date too
    }
    if (scrollBarsPending_) {
        if (gutter_.AutoSize)
            fontChanged();
        updateScrollBars();
    }
}

void TSynMemo::timerEvent(QTimerEvent* e) {
    if (e->timerId() == idleScan_.timerId()) {
        // A slice of the background scan; the event loop stays responsive between slices.
        QElapsedTimer clock;
        clock.start();
        bool done = states_.complete();
        while (!done && clock.elapsed() < 8)
            done = states_.scanAhead(256);
        if (done)
            idleScan_.stop();
        return;
    }
    if (e->timerId() == caretBlink_.timerId()) {
        caretShown_ = !caretShown_;
        viewport()->update(caretRect());
        return;
    }
    if (e->timerId() == autoScroll_.timerId()) {
        autoScrollStep();
        return;
    }
    QAbstractScrollArea::timerEvent(e);
}

// --- Caret

QRect TSynMemo::caretRect() const {
    const QPoint p = pointOf(model_->caret());
    return {p.x() - 1, p.y(), charWidth_ + 2, lineHeight_};
}

void TSynMemo::restartCaretBlink() {
    caretShown_ = true;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash > 0)
        caretBlink_.start(flash / 2, this);
    else
        caretBlink_.stop();
}

void TSynMemo::focusInEvent(QFocusEvent* e) {
    restartCaretBlink();
    viewport()->update();
    QAbstractScrollArea::focusInEvent(e);
}

void TSynMemo::focusOutEvent(QFocusEvent* e) {
    caretBlink_.stop();
    viewport()->update();
    QAbstractScrollArea::focusOutEvent(e);
}

bool TSynMemo::focusNextPrevChild(bool next) {
    // With WantTabs the Tab key is an editor command, not a focus move.
    if (wantTabs_)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

// --- Keyboard

void TSynMemo::CommandProcessor(EditorCommand command, char ch) {
    // A hook may remove itself (or another) while it runs: walk a copy.
    for (TSynMemoHook* h : std::vector<TSynMemoHook*>(hooks_))
        if (hasHook(h))
            h->editorCommand(*this, command, ch);
    updateView();
    commands_.execute(command, ch);
    updateScrollBars();
    viewport()->update();
}

void TSynMemo::addHook(TSynMemoHook* hook) {
    if (hook && !hasHook(hook))
        hooks_.push_back(hook);
}

void TSynMemo::removeHook(TSynMemoHook* hook) {
    std::erase(hooks_, hook);
}

bool TSynMemo::hasHook(const TSynMemoHook* hook) const {
    return std::find(hooks_.begin(), hooks_.end(), hook) != hooks_.end();
}

void TSynMemo::holdCaret(bool held) {
    caretHeld_ = held;
    caretShown_ = true;
    viewport()->update(caretRect());
}

void TSynMemo::setCompanion(QWidget* window) {
    if (companion_ == window)
        return;
    if (companion_)
        companion_->setProperty(kCompanionOf, QVariant());
    companion_ = window;
    if (window)
        window->setProperty(kCompanionOf, QVariant::fromValue(static_cast<QObject*>(this)));
    if (QAccessible::isActive()) {
        QAccessibleEvent ev(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&ev);
    }
}

void TSynMemo::typeText(const QString& text) {
    for (const char ch : toBytes(text, Unheld::Skip)) {
        if (static_cast<unsigned char>(ch) < 32 || ch == 127)
            continue;
        for (TSynMemoHook* h : std::vector<TSynMemoHook*>(hooks_))
            if (hasHook(h))
                h->editorKeyPress(*this, ch);
        CommandProcessor(ecChar, ch);
    }
}

bool TSynMemo::isMenuShortcut(const QKeyEvent* e) const {
    const QKeySequence stroke(e->keyCombination());
    auto holds = [&](const QAction* a) {
        if (!a->isEnabled())
            return false;
        for (const QKeySequence& s : a->shortcuts())
            if (s.matches(stroke) == QKeySequence::ExactMatch)
                return true;
        return false;
    };
    if (popupMenu_) {
        for (const QAction* a : popupMenu_->findChildren<QAction*>())
            if (holds(a))
                return true;
        for (const QAction* a : popupMenu_->actions())
            if (holds(a))
                return true;
    }
    if (const QWidget* w = window(); w && w != this) {
        for (const QAction* a : w->findChildren<QAction*>())
            if (holds(a))
                return true;
    }
    return false;
}

bool TSynMemo::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        // Menu shortcuts win over the key table; other strokes of the table stay ours even when
        // something else in the window has bound them.
        auto* ke = static_cast<QKeyEvent*>(e);
        const auto [key, shift] = strokeOf(ke);
        const bool typing =
            typedText(shift) && !ke->text().isEmpty() && ke->text().at(0).unicode() >= 32;
        if (!isMenuShortcut(ke) && (typing || keystrokes_.find(key, shift))) {
            e->accept();
            return true;
        }
        return QAbstractScrollArea::event(e);
    }
    return QAbstractScrollArea::event(e);
}

void TSynMemo::keyPressEvent(QKeyEvent* e) {
    const auto [key, shift] = strokeOf(e);
    if (key == Qt::Key_Tab && !wantTabs_) {
        e->ignore();
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !wantReturns_) {
        e->ignore();
        return;
    }
    try {
        if (const auto command = keystrokes_.find(key, shift)) {
            CommandProcessor(*command);
            e->accept();
            return;
        }
        // Typed characters: only those the code page can hold reach the document.
        if (!typedText(shift)) {
            e->ignore();
            return;
        }
        const QString text = e->text();
        if (text.isEmpty()) {
            QAbstractScrollArea::keyPressEvent(e);
            return;
        }
        typeText(text);
        e->accept();
    } catch (const std::exception& ex) {
        showFailure(this, ex);
    }
}

void TSynMemo::keyReleaseEvent(QKeyEvent* e) {
    emit OnKeyUp(e->key(), e->modifiers());
    QAbstractScrollArea::keyReleaseEvent(e);
}

void TSynMemo::inputMethodEvent(QInputMethodEvent* e) {
    typeText(e->commitString());
    e->accept();
}

QVariant TSynMemo::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle:
        return QRect(pointOf(model_->caret()), QSize(2, lineHeight_));
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
    case Qt::ImSurroundingText: {
        // The caret line around the caret; a very long line is cut to a window around it.
        constexpr int kWindow = 512;
        const Position c = model_->caret();
        const int len = model_->lineLength(c.line - 1);
        const int caretIndex = std::min(c.column - 1, len);
        const int from = std::max(0, caretIndex - kWindow);
        const int count = std::min(len, caretIndex + kWindow) - from;
        if (query == Qt::ImCursorPosition)
            return caretIndex - from;
        return fromBytes(model_->linePart(c.line - 1, from, count));
    }
    case Qt::ImEnabled:
        return true;
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

// --- Mouse

bool TSynMemo::inSelection(Position p) const {
    if (!model_->selectionAvailable())
        return false;
    const Position b = model_->selectionBegin();
    const Position e = model_->selectionEnd();
    if (model_->selectionMode() == SelectionMode::smColumn) {
        const int x = model_->displayColumn(p.line, p.column);
        const int x1 = std::min(model_->displayColumn(b.line, b.column),
                                model_->displayColumn(e.line, e.column));
        const int x2 = std::max(model_->displayColumn(b.line, b.column),
                                model_->displayColumn(e.line, e.column));
        return p.line >= b.line && p.line <= e.line && x >= x1 && x < x2;
    }
    if (model_->selectionMode() == SelectionMode::smLine)
        return p.line >= b.line && p.line <= e.line;
    return b <= p && p < e;
}

void TSynMemo::mousePressEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    if (e->button() != Qt::LeftButton) {
        // The right button neither moves the caret nor touches the selection.
        QAbstractScrollArea::mousePressEvent(e);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    Position p = positionAt(pt);
    if (pt.x() < gutterWidth()) {
        p.column = 1;
        gotoAndShow(p, shift);
        drag_ = Drag::Select;
        return;
    }
    emit OnMouseCursor(p);
    if (!shift && (model_->options & eoDragDropEditing) && inSelection(p)) {
        drag_ = Drag::MaybeDragDrop;
        pressPoint_ = pt;
        return;
    }
    gotoAndShow(p, shift);
    drag_ = Drag::Select;
}

void TSynMemo::gotoAndShow(Position p, bool select) {
    mouseSelecting_ = true;
    commands_.gotoXY(p, select);
    mouseSelecting_ = false;
    ensureCaretVisible();
}

void TSynMemo::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    lastMouse_ = pt;
    if (pt.x() >= gutterWidth() && viewport()->rect().contains(pt))
        emit OnMouseCursor(positionAt(pt));
    if (!(e->buttons() & Qt::LeftButton)) {
        drag_ = Drag::None;
        return;
    }
    switch (drag_) {
    case Drag::Select:
        gotoAndShow(positionAt(pt), true);
        if (viewport()->rect().contains(pt))
            autoScroll_.stop();
        else if (!autoScroll_.isActive())
            autoScroll_.start(50, this);
        break;
    case Drag::MaybeDragDrop:
        if ((pt - pressPoint_).manhattanLength() >= QApplication::startDragDistance()) {
            drag_ = Drag::DragDrop;
            viewport()->setCursor(Qt::DragMoveCursor);
        }
        break;
    case Drag::DragDrop:
        dropPosition_ = positionAt(pt);
        dropShown_ = true;
        viewport()->update();
        break;
    case Drag::None:
        break;
    }
}

void TSynMemo::autoScrollStep() {
    if (drag_ != Drag::Select) {
        autoScroll_.stop();
        return;
    }
    // One line (or a few columns) per tick towards the pointer; the selection follows.
    const QRect r = viewport()->rect();
    EditorView& v = commands_.view;
    if (lastMouse_.y() < r.top())
        v.topLine -= 1;
    else if (lastMouse_.y() > r.bottom())
        v.topLine += 1;
    if (lastMouse_.x() < textStart())
        v.leftChar -= 2;
    else if (lastMouse_.x() > r.right())
        v.leftChar += 2;
    v.topLine = std::clamp(v.topLine, 1, std::max(1, model_->lineCount() - v.linesInWindow + 1));
    v.leftChar = std::clamp(v.leftChar, 1, kMaxScrollWidth);
    QPoint inside(std::clamp(lastMouse_.x(), textStart(), r.right()),
                  std::clamp(lastMouse_.y(), r.top(), r.bottom()));
    mouseSelecting_ = true;
    commands_.gotoXY(positionAt(inside), true);
    mouseSelecting_ = false;
    updateScrollBars();
    viewport()->update();
}

void TSynMemo::mouseReleaseEvent(QMouseEvent* e) {
    autoScroll_.stop();
    const QPoint pt = e->position().toPoint();
    if (e->button() == Qt::LeftButton) {
        if (drag_ == Drag::MaybeDragDrop) {
            gotoAndShow(positionAt(pt), false);
        } else if (drag_ == Drag::DragDrop) {
            const bool copy = e->modifiers() & Qt::ControlModifier;
            try {
                commands_.dragDrop(positionAt(pt), copy);
            } catch (const std::exception& ex) {
                showFailure(this, ex);
            }
            viewport()->setCursor(Qt::IBeamCursor);
            ensureCaretVisible();
        }
    }
    dropShown_ = false;
    drag_ = Drag::None;
    viewport()->update();
}

void TSynMemo::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || e->position().x() < gutterWidth())
        return;
    mouseSelecting_ = true;
    commands_.selectWordAt(positionAt(e->position().toPoint()));
    mouseSelecting_ = false;
    drag_ = Drag::None;
    viewport()->update();
}

void TSynMemo::wheelEvent(QWheelEvent* e) {
    // Three lines per notch, as desktop editors scroll.
    const int notches = e->angleDelta().y() / 120;
    if (notches != 0) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() - notches * 3);
        e->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(e);
}

void TSynMemo::contextMenuEvent(QContextMenuEvent* e) {
    if (popupMenu_) {
        popupMenu_->popup(e->globalPos());
        e->accept();
        return;
    }
    e->ignore();
}

} // namespace varlo
