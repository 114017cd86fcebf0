#pragma once

#include "editor/base/TColor.h"
#include "editor/commands/EditorCommands.h"
#include "editor/commands/TSynKeyStrokes.h"
#include "editor/document/EditorModel.h"
#include "editor/highlight/LineStateCache.h"
#include "editor/highlight/TSynHighlighterAttributes.h"
#include "editor/widget/TSynGutter.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPointer>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QMenu;
class QLabel;

namespace varlo {

class TSynCustomHighlighter;
class QtEditorClipboard;
class TSynMemo;

// Something that watches what an editor is asked to do (the completion popup). The editor
// never owns its hooks; whoever adds one removes it before it goes away.
class TSynMemoHook {
public:
    virtual ~TSynMemoHook() = default;
    // A character the user typed (Windows-1251), before the editor runs it as ecChar.
    virtual void editorKeyPress(TSynMemo& editor, char ch) = 0;
    // Every command that goes through the command processor, before it runs.
    virtual void editorCommand(TSynMemo& editor, EditorCommand command, char ch) = 0;
};

// The multi-line editor control that fills every page. It shows an EditorModel (which it owns)
// and maps keys and mouse gestures onto the command processor; the text, the caret, the
// selection and undo all live in the model, reached through model().
//
// The text font is the widget's own font (QWidget::setFont): "Courier New" 10 pt unless set.
// The model's onChange belongs to the widget: bind to the OnChange signal instead.
class TSynMemo : public QAbstractScrollArea, private EditorObserver {
    Q_OBJECT
public:
    explicit TSynMemo(QWidget* parent = nullptr);
    ~TSynMemo() override;

    EditorModel& model() { return *model_; }
    const EditorModel& model() const { return *model_; }
    EditorCommands& commands() { return commands_; }
    TSynKeyStrokes& keystrokes() { return keystrokes_; }

    // Runs one editor command (ecUndo, ecCopy, ecPaste, ecSelectAll, ...) as a key would, then
    // brings the caret into view.
    void CommandProcessor(EditorCommand command, char ch = 0);

    // Adding a hook twice has no effect.
    void addHook(TSynMemoHook* hook);
    void removeHook(TSynMemoHook* hook);
    bool hasHook(const TSynMemoHook* hook) const;
    // While held, the caret stays drawn although another window has the keyboard (a list that
    // the user picks from while typing into this editor).
    void holdCaret(bool held);
    // A window that belongs to this editor while it is shown (the completion list): a screen
    // reader finds it among the editor's children. Null for none.
    void setCompanion(QWidget* window);
    QWidget* companion() const { return companion_; }
    // Types a text as the keyboard would: the characters the code page holds, control
    // characters ignored. The hooks see each character.
    void typeText(const QString& text);

    // --- Appearance (the defaults of a new editor; the owner applies its own values)
    TColor Color() const { return color_; }
    void setColor(TColor c);
    // clNone: no caret-line band.
    TColor ActiveLineColor() const { return activeLineColor_; }
    void setActiveLineColor(TColor c);
    TColor SelectedBackground() const { return selectedBackground_; }
    TColor SelectedForeground() const { return selectedForeground_; }
    void setSelectedColor(TColor background, TColor foreground = clHighlightText);
    int RightEdge() const { return rightEdge_; }
    void setRightEdge(int column);
    TColor RightEdgeColor() const { return rightEdgeColor_; }
    void setRightEdgeColor(TColor c);
    // Kept in the model; clamped to 1..256.
    int TabWidth() const { return model_->tabWidth(); }
    void setTabWidth(int w);
    bool WantTabs() const { return wantTabs_; }
    void setWantTabs(bool on) { wantTabs_ = on; }
    bool WantReturns() const { return wantReturns_; }
    void setWantReturns(bool on) { wantReturns_ = on; }
    bool InsertMode() const { return model_->insertMode(); }
    void setInsertMode(bool on);
    bool HideSelection() const { return hideSelection_; }
    void setHideSelection(bool on);
    const TSynGutter& Gutter() const { return gutter_; }
    void setGutter(const TSynGutter& g);

    // Shared components owned by the main window; the editor never deletes them. The
    // highlighter may be destroyed before or after the editor.
    TSynCustomHighlighter* Highlighter() const { return highlighter_; }
    void setHighlighter(TSynCustomHighlighter* h);
    QMenu* PopupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* m) { popupMenu_ = m; }
    int Tag() const { return model_->tag; }
    void setTag(int t) { model_->tag = t; }

    // --- Geometry (pixels, widget viewport coordinates)
    int charWidth() const { return charWidth_; }
    int lineHeight() const { return lineHeight_; }
    int gutterWidth() const;
    // x of the first text cell in the viewport (the gutter's width plus a small margin).
    int textStart() const;
    int topLine() const { return commands_.view.topLine; }
    void setTopLine(int line);
    int linesInWindow() const;
    // The (line, column) under a viewport point; the column may lie past the line end.
    Position positionAt(QPoint viewportPoint) const;
    // Viewport point of the top-left corner of a position's cell.
    QPoint pointOf(Position p) const;
    void ensureCaretVisible();

    // --- Highlighting (per-line end states, kept by the line state cache; the widget scans
    // what it shows and gives the cache idle slices for the rest)
    LineStateCache& lineStates() { return states_; }
    std::int64_t rescannedLines() const { return states_.rescannedLines(); }
    void resetRescannedLines() { states_.resetRescannedLines(); }
    int scannedLines() const { return states_.scannedLines(); }
    // Scans every line now (normally the rest follows in idle time).
    void scanAll() { states_.scanAll(); }
    // The stored end state of a line (0-based); scans up to it first.
    int lineEndState(int line) { return states_.endState(line); }

    // Paints the current view into an image of the viewport's size (for tests and benchmarks).
    QImage renderToImage();
    // The text of the "Top Line: %d" hint shown while the scroll box is dragged.
    QString scrollHintText() const;
    // The first painting failure (a highlighter that does not advance), empty when none.
    QString lastPaintError() const { return lastPaintError_; }
    // Text colour of tokens without a foreground of their own.
    TColor FontColor() const { return fontColor_; }
    void setFontColor(TColor c);

signals:
    void OnChange();
    void OnKeyUp(int key, Qt::KeyboardModifiers modifiers);
    // The (line, column) under the pointer over the text area; the handler may change the
    // pointer shape through the widget.
    void OnMouseCursor(varlo::Position position);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void changeEvent(QEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;

private:
    struct RowColors;

    void modelChanged(const ModelChange& change) override;
    void fontChanged();
    void updateView();
    void updateScrollBars();
    // Painting
    void paintInto(QPainter& p, const QRect& clip);
    void paintLine(QPainter& p, int line, int y, const RowColors& colors);
    void paintCaret(QPainter& p, const RowColors& colors);
    void paintGutter(QPainter& p, const QRect& clip);
    void prepareGlyphTable();
    const QFont& styledFont(FontStyles style);
    QRect caretRect() const;
    int gutterDigits() const;
    // End states
    bool scanning() const { return states_.scanning(); }
    void invalidateStates();
    void highlighterChanged();
    // Input
    void restartCaretBlink();
    void schedulePending();
    void flushPending();
    bool isMenuShortcut(const QKeyEvent* e) const;
    void showScrollHint(bool dragging);
    void notifyAccessibility(const ModelChange& change);
    bool inSelection(Position p) const;
    void gotoAndShow(Position p, bool select);
    void autoScrollStep();

    std::unique_ptr<EditorModel> model_;
    std::unique_ptr<QtEditorClipboard> clipboard_;
    EditorCommands commands_;
    TSynKeyStrokes keystrokes_;

    TColor color_ = clWindow;
    TColor activeLineColor_ = clNone;
    TColor selectedBackground_ = clHighlight;
    TColor selectedForeground_ = clHighlightText;
    TColor fontColor_ = clWindowText;
    int rightEdge_ = 80;
    TColor rightEdgeColor_ = clSilver;
    bool wantTabs_ = false;
    bool wantReturns_ = true;
    bool hideSelection_ = false;
    TSynGutter gutter_;

    TSynCustomHighlighter* highlighter_ = nullptr;
    int highlighterListener_ = 0;
    // Expires with the editor; the highlighter's listener checks it.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    bool highlighterEnabled_ = false;
    QMenu* popupMenu_ = nullptr;
    std::vector<TSynMemoHook*> hooks_;
    bool caretHeld_ = false;
    QPointer<QWidget> companion_;

    int charWidth_ = 8;
    int lineHeight_ = 16;
    int ascent_ = 12;
    int gutterCharWidth_ = 7;
    int cachedCharWidth_ = 0;
    // Bytes whose glyph is exactly one cell wide in the text font.
    std::array<bool, 256> regularGlyph_{};
    std::array<QFont, 16> fontVariants_;
    std::array<bool, 16> fontVariantReady_{};
    bool syncingScrollBars_ = false;
    bool scrollBarsPending_ = false;
    // A caret move waits for the end of the batch of edits it belongs to (replace-all moves the
    // caret half a million times) before the view follows it and the caret blink restarts.
    bool caretPending_ = false;
    bool pendingScheduled_ = false;

    // The text's length at the last notification, from which a screen reader learns how much an
    // edit took away.
    std::int64_t notifiedLength_ = 0;

    // Declared after model_ and commands_: it observes the one and reads the view of the other.
    LineStateCache states_;
    QBasicTimer idleScan_;
    QString lastPaintError_;

    QBasicTimer caretBlink_;
    bool caretShown_ = true;

    // Mouse state
    enum class Drag { None, Select, MaybeDragDrop, DragDrop };
    Drag drag_ = Drag::None;
    bool mouseSelecting_ = false;
    QPoint pressPoint_;
    Position dropPosition_;
    bool dropShown_ = false;
    QBasicTimer autoScroll_;
    QPoint lastMouse_;
    QLabel* scrollHint_ = nullptr;
};

} // namespace varlo
