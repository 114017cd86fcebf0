#include "editor/widget/TSynCompletionProposal.h"

#include "editor/widget/CompletionText.h"
#include "editor/widget/TSynCompletionForm.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>

#include <algorithm>

namespace varlo {

TSynCompletionProposal::TSynCompletionProposal(QWidget* owner)
    : form_(new TSynCompletionForm(owner)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { TimerExpired(); });
    applicationActive = [] { return QGuiApplication::applicationState() == Qt::ApplicationActive; };
    form_->onKey = [this](QKeyEvent* e) { return handleKey(e); };
    form_->onDoubleClick = [this](int row) {
        form_->selectRow(row);
        Complete(false);
    };
    form_->onHidden = [this] { formHidden(); };
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive && isOpen())
                    Cancel();
            });
    setFont(form_->font());
}

TSynCompletionProposal::~TSynCompletionProposal() {
    for (TSynMemo* e : editors_) {
        e->removeHook(this);
        disconnect(e, nullptr, this, nullptr);
    }
    if (form_) {
        form_->onHidden = nullptr;
        form_->onKey = nullptr;
        delete form_;
    }
}

void TSynCompletionProposal::setFont(const QFont& f) {
    font_ = f;
    form_->setListFont(f);
}

// --- Editors

void TSynCompletionProposal::AddEditor(TSynMemo* editor) {
    if (!editor || hasEditor(editor))
        return;
    editors_.push_back(editor);
    editor->addHook(this);
    connect(editor, &QObject::destroyed, this, [this](QObject* dying) { editorDestroyed(dying); });
}

void TSynCompletionProposal::RemoveEditor(TSynMemo* editor) {
    if (!hasEditor(editor))
        return;
    if (editor == editor_) {
        if (isOpen())
            Cancel();
        timer_.stop();
        editor_ = nullptr;
    }
    editor->removeHook(this);
    disconnect(editor, nullptr, this, nullptr);
    std::erase(editors_, editor);
}

bool TSynCompletionProposal::hasEditor(const TSynMemo* editor) const {
    return std::find(editors_.begin(), editors_.end(), editor) != editors_.end();
}

void TSynCompletionProposal::editorDestroyed(QObject* dying) {
    // The editor is half gone: it is only compared, never called.
    std::erase_if(editors_, [dying](TSynMemo* e) { return static_cast<QObject*>(e) == dying; });
    if (editor_ && static_cast<QObject*>(editor_) == dying) {
        editor_ = nullptr;
        timer_.stop();
        hideForm();
    }
}

// --- Hooks: a trigger character starts the timer, anything else stops it

void TSynCompletionProposal::editorKeyPress(TSynMemo& editor, char ch) {
    if (isTrigger(ch)) {
        editor_ = &editor;
        timer_.start(TimerInterval);
    } else {
        timer_.stop();
    }
}

void TSynCompletionProposal::editorCommand(TSynMemo&, EditorCommand command, char ch) {
    if (isOpen())
        return;
    if (command == ecChar && isTrigger(ch))
        return;
    timer_.stop();
}

void TSynCompletionProposal::TimerExpired() {
    timer_.stop();
    if (applicationActive && applicationActive()) {
        if (editor_)
            Execute(editor_);
    } else if (isOpen()) {
        hideForm();
    }
}

// --- Opening

bool TSynCompletionProposal::isOpen() const {
    return form_ && form_->isVisible();
}

void TSynCompletionProposal::Execute(TSynMemo* editor) {
    timer_.stop();
    if (!editor)
        return;
    if (editor_ && editor_ != editor && isOpen())
        Cancel();
    editor_ = editor;
    const EditorModel& m = editor->model();
    const Position caret = m.caret();
    // Only the caret line is read, so opening costs the same on any length of document.
    const CompletionToken token =
        completionTokenAt(m.line(caret.line - 1), caret.column, EndOfTokenChr);
    start_ = token.start;
    current_ = token.current;
    filter();
    place();
    if (filtered_.empty())
        return;
    editor->holdCaret(true);
    editor->setCompanion(form_);
    form_->show();
    form_->raise();
    form_->list()->setFocus(Qt::PopupFocusReason);
}

void TSynCompletionProposal::place() {
    TSynMemo* ed = editor_;
    const QPoint caret = ed->viewport()->mapToGlobal(ed->pointOf(ed->model().caret()));
    const QSize size = form_->sizeFor(Width, NbLinesInWindow);
    QScreen* screen = ed->screen() ? ed->screen() : QGuiApplication::primaryScreen();
    const QRect desk = screen ? screen->virtualGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
    int left = caret.x();
    int top = caret.y() + ed->lineHeight();
    if (left + size.width() > desk.x() + desk.width())
        left = std::max(desk.x(), desk.x() + desk.width() - size.width() - 5);
    if (top + size.height() > desk.y() + desk.height())
        top = std::max(desk.y(), caret.y() - size.height() - 2);
    form_->setGeometry(QRect(QPoint(left, top), size));
}

void TSynCompletionProposal::filter() {
    filtered_ = matchingEntries(InsertList, current_);
    std::vector<std::string> rows;
    rows.reserve(filtered_.size());
    for (int i : filtered_)
        rows.push_back(i < static_cast<int>(ItemList.size())
                           ? ItemList[static_cast<std::size_t>(i)]
                           : InsertList[static_cast<std::size_t>(i)]);
    form_->setRows(rows);
}

int TSynCompletionProposal::rowCount() const {
    return static_cast<int>(filtered_.size());
}

int TSynCompletionProposal::selectedRow() const {
    return filtered_.empty() ? -1 : form_->selectedRow();
}

int TSynCompletionProposal::sourceIndex(int row) const {
    return row >= 0 && row < rowCount() ? filtered_[static_cast<std::size_t>(row)] : -1;
}

// --- Completing and closing

void TSynCompletionProposal::Complete(bool endChar) {
    TSynMemo* ed = editor_;
    if (!ed) {
        hideForm();
        return;
    }
    EditorModel& m = ed->model();
    const Position caret = m.caret();
    {
        UndoBlock block(m);
        const Position from{start_, caret.line};
        Position to = caret;
        if (!endChar) {
            // The rest of the word at the caret is replaced as well.
            const std::string line = m.line(caret.line - 1);
            int i = caret.column - 1;
            while (i >= 0 && i < static_cast<int>(line.size()) &&
                   ed->commands().isWordChar(
                       static_cast<unsigned char>(line[static_cast<std::size_t>(i)])))
                ++i;
            to.column = std::max(caret.column, i + 1);
        }
        m.setCaretAndSelection(to, from, to);
        const std::string selected = m.selectedText();
        const int source = sourceIndex(selectedRow());
        const std::string text =
            source >= 0 ? InsertList[static_cast<std::size_t>(source)] : selected;
        if (text != selected)
            m.setSelectedText(text);
        else
            m.setCaretAndSelection(to, to, to);
    }
    hideForm();
}

void TSynCompletionProposal::Cancel() {
    timer_.stop();
    hideForm();
}

void TSynCompletionProposal::hideForm() {
    if (isOpen())
        form_->hide(); // formHidden follows
}

void TSynCompletionProposal::formHidden() {
    // A new size chosen with the sizing frame stays for the next opening.
    Width = form_->width();
    NbLinesInWindow = form_->visibleRows();
    timer_.stop();
    if (editor_) {
        editor_->holdCaret(false);
        editor_->setCompanion(nullptr);
        editor_->setFocus(Qt::PopupFocusReason);
    }
}

// --- Keys of the open window

bool TSynCompletionProposal::isTrigger(char ch) const {
    return TriggerChars.find(ch) != std::string::npos;
}

bool TSynCompletionProposal::isEndChar(char ch) const {
    return EndOfTokenChr.find(ch) != std::string::npos;
}

char TSynCompletionProposal::charAtCaret() const {
    const EditorModel& m = editor_->model();
    const Position c = m.caret();
    const std::string part = m.linePart(c.line - 1, c.column - 1, 1);
    return part.empty() ? ' ' : part[0];
}

void TSynCompletionProposal::editorRun(EditorCommand command, char ch) {
    editor_->CommandProcessor(command, ch);
}

bool TSynCompletionProposal::handleKey(QKeyEvent* e) {
    if (!editor_) {
        Cancel();
        return true;
    }
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const int last = rowCount() - 1;
    const int row = selectedRow();
    switch (e->key()) {
    case Qt::Key_Up:
        form_->selectRow(ctrl ? 0 : row - 1);
        return true;
    case Qt::Key_Down:
        form_->selectRow(ctrl ? last : row + 1);
        return true;
    case Qt::Key_PageUp:
        form_->selectRow(row - NbLinesInWindow);
        return true;
    case Qt::Key_PageDown:
        form_->selectRow(row + NbLinesInWindow);
        return true;
    case Qt::Key_Home:
        form_->selectRow(0);
        return true;
    case Qt::Key_End:
        form_->selectRow(last);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Complete(false);
        return true;
    case Qt::Key_Escape:
        Cancel();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Left: {
        const EditorCommand command = e->key() == Qt::Key_Left ? ecLeft : ecDeleteLastChar;
        if (current_.empty()) {
            editorRun(command);
            Cancel();
        } else {
            current_.pop_back();
            filter();
            editorRun(command);
        }
        return true;
    }
    case Qt::Key_Right: {
        const char c = charAtCaret();
        const bool blank = c == '\t' || c == ' ' || isEndChar(c);
        if (!blank) {
            current_ += c;
            filter();
        }
        editorRun(ecRight);
        if (blank)
            Cancel();
        return true;
    }
    case Qt::Key_Delete:
        editorRun(ecDeleteChar);
        return true;
    default:
        break;
    }
    const QString text = e->text();
    if (text.isEmpty())
        return true; // a modifier or a function key: the list stays as it is
    const char16_t u = text.at(0).unicode();
    if (u < 32 || u > 122) {
        TSynMemo* ed = editor_;
        ed->typeText(text);
        Cancel();
        return true;
    }
    const char ch = static_cast<char>(u);
    if (isEndChar(ch))
        Complete(ch != ' ');
    current_ += ch;
    if (isOpen())
        filter();
    TSynMemo* ed = editor_;
    ed->typeText(QString(QChar(u)));
    if (isTrigger(ch) && !isOpen())
        Execute(ed);
    return true;
}

} // namespace varlo
