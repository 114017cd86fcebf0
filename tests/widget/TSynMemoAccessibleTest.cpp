// What a screen reader learns of an editor: offsets, lines, caret and selections agree with the
// joined Text, whatever it asks and whenever it asks.

#include "editor/widget/TSynMemoAccessible.h"
#include "editor/commands/EditorCommands.h"
#include "editor/qtbridge/QtCp1251.h"
#include "editor/widget/TSynMemo.h"

#include <QAccessible>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <random>
#include <string>

using namespace varlo;

namespace {

// Plays the text changes an editor reports onto a copy of its text, as a screen reader keeps its
// own; the copy must stay equal to the editor's text. It watches the model after the editor.
struct ChangeMirror : EditorObserver {
    explicit ChangeMirror(EditorModel& m) : model(m), text(m.text()), length(m.textLength()) {
        model.addObserver(this);
    }
    ~ChangeMirror() override { model.removeObserver(this); }
    void modelChanged(const ModelChange& change) override {
        if (const auto c = textChangeOf(model, change, length))
            text.replace(static_cast<std::size_t>(c->position),
                         static_cast<std::size_t>(c->removed), c->inserted);
        length = model.textLength();
    }
    EditorModel& model;
    std::string text;
    std::int64_t length;
};

class Accessible : public ::testing::Test {
protected:
    void SetUp() override {
        memo = std::make_unique<TSynMemo>();
        memo->resize(600, 300);
        memo->show();
        a = QAccessible::queryAccessibleInterface(memo.get());
        ASSERT_NE(a, nullptr);
        t = a->textInterface();
        ASSERT_NE(t, nullptr);
    }
    void load(const char* text) { memo->model().setText(text); }
    QString modelText() const { return fromBytes(memo->model().text()); }

    std::unique_ptr<TSynMemo> memo;
    QAccessibleInterface* a = nullptr;
    QAccessibleTextInterface* t = nullptr;
};

// Tabs, an empty line, free space and an empty last line after a final line break.
constexpr const char* kFixture = "a\tb\r\n\r\ncd  \r\n\r\n";

TEST_F(Accessible, LinesTileTheTextAndEveryRangeReadsAsText) {
    load(kFixture);
    const QString text = modelText();
    ASSERT_EQ(t->characterCount(), text.size());
    ASSERT_EQ(t->text(0, -1), QString());
    // Each line runs up to and including its line break; an offset inside a CR LF belongs to the
    // line the break ends.
    struct Row {
        int offset, start, end;
    };
    const Row rows[] = {{0, 0, 5},    {2, 0, 5},  {3, 0, 5},   {4, 0, 5},   {5, 5, 7},
                        {6, 5, 7},    {7, 7, 13}, {10, 7, 13}, {11, 7, 13}, {12, 7, 13},
                        {13, 13, 13}, {-5, 0, 5}, {99, 13, 13}};
    for (const Row& r : rows) {
        int from = -1;
        int to = -1;
        const QString line = t->textAtOffset(r.offset, QAccessible::LineBoundary, &from, &to);
        EXPECT_EQ(from, r.start) << r.offset;
        EXPECT_EQ(to, r.end) << r.offset;
        EXPECT_EQ(line, text.mid(from, to - from)) << r.offset;
    }
    int from = -1;
    int to = -1;
    EXPECT_EQ(t->textBeforeOffset(7, QAccessible::LineBoundary, &from, &to),
              QStringLiteral("\r\n"));
    EXPECT_EQ(from, 5);
    EXPECT_EQ(t->textAfterOffset(1, QAccessible::LineBoundary, &from, &to), QStringLiteral("\r\n"));
    EXPECT_EQ(to, 7);
    // Every pair of offsets, those inside a line break and those outside the text included.
    for (int i = -2; i <= text.size() + 2; ++i)
        for (int j = -2; j <= text.size() + 2; ++j) {
            const int b = std::clamp(i, 0, int(text.size()));
            const int e = std::clamp(j, b, int(text.size()));
            EXPECT_EQ(t->text(i, j), text.mid(b, e - b)) << i << "," << j;
        }
    EXPECT_EQ(t->text(INT_MIN, INT_MAX), text);
}

TEST_F(Accessible, CaretInFreeSpaceIsAtTheEndOfItsOwnLine) {
    load("ab\r\ncd");
    memo->model().setCaret({5, 1});
    EXPECT_EQ(t->cursorPosition(), 2);
    memo->model().setCaret({9, 2});
    EXPECT_EQ(t->cursorPosition(), 6);
    const QRect r = t->characterRect(INT_MAX);
    EXPECT_TRUE(r.isValid());
}

TEST_F(Accessible, SelectionsAreWhatIsSelected) {
    load("one\r\ntwo\r\nthree\r\nfour\r\nfive");
    EditorModel& m = memo->model();
    int from = 0;
    int to = 0;
    // Lines 3 to 4 in line mode: the whole lines with their breaks.
    m.setSelectionMode(SelectionMode::smLine);
    m.setCaretAndSelection({2, 4}, {2, 3}, {2, 4});
    ASSERT_EQ(t->selectionCount(), 1);
    t->selection(0, &from, &to);
    EXPECT_EQ(modelText().mid(from, to - from), QStringLiteral("three\r\nfour\r\n"));
    // The last line has no break of its own.
    m.setCaretAndSelection({1, 5}, {1, 4}, {1, 5});
    t->selection(0, &from, &to);
    EXPECT_EQ(modelText().mid(from, to - from), QStringLiteral("four\r\nfive"));
    // A column selection is one range per line; a line shorter than the rectangle gives what it
    // has.
    m.setSelectionMode(SelectionMode::smColumn);
    m.setCaretAndSelection({5, 4}, {2, 2}, {5, 4});
    ASSERT_EQ(t->selectionCount(), 3);
    QStringList rows;
    for (int i = 0; i < 3; ++i) {
        t->selection(i, &from, &to);
        rows << modelText().mid(from, to - from);
    }
    EXPECT_EQ(rows, (QStringList{"wo", "hre", "our"}));
    EXPECT_EQ(rows.join(QStringLiteral("\r\n")), fromBytes(m.selectedText()));
    t->selection(3, &from, &to);
    EXPECT_EQ(from, to);
    t->selection(-1, &from, &to);
    EXPECT_EQ(from, to);
}

TEST_F(Accessible, TheEditorIsNamedAfterItsPage) {
    memo->setAccessibleName(QStringLiteral("страница 1 "));
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("страница 1 "));
}

// Random keys in all three selection modes with a client asking wild questions after each:
// nothing throws, nothing changes the document, and the answers agree with the model.
TEST_F(Accessible, RandomEditingWithAClientReadingAlong) {
    static const EditorCommand kCommands[] = {ecLeft,        ecRight,          ecUp,
                                              ecDown,        ecLineEnd,        ecLineStart,
                                              ecSelRight,    ecSelLeft,        ecSelDown,
                                              ecSelUp,       ecSelLineEnd,     ecWordRight,
                                              ecChar,        ecChar,           ecDeleteLastChar,
                                              ecDeleteChar,  ecLineBreak,      ecTab,
                                              ecShiftTab,    ecUndo,           ecRedo,
                                              ecBlockIndent, ecBlockUnindent,  ecColumnSelect,
                                              ecLineSelect,  ecNormalSelect,   ecSelectAll,
                                              ecCopy,        ecPaste,          ecCut,
                                              ecDeleteLine,  ecSelEditorBottom};
    for (unsigned seed = 1; seed <= 8; ++seed) {
        load("        <html>\r\n        <body bgcolor=\"#FFFFFF\">\r\n  <p>text</p>\r\n\r\nlast "
             "line");
        ChangeMirror mirror(memo->model());
        std::mt19937 rng(seed);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        EditorModel& m = memo->model();
        for (int step = 0; step < 300; ++step) {
            const EditorCommand c = kCommands[pick(0, std::size(kCommands) - 1)];
            ASSERT_NO_THROW(memo->commands().execute(c, "tx"[pick(0, 1)])) << seed << ":" << step;
            ASSERT_EQ(mirror.text, memo->model().text())
                << "reported changes, seed " << seed << " step " << step;
            const std::string before = m.text();
            const Position caret = m.caret();
            const QString text = fromBytes(before);
            const int n = int(text.size());
            EXPECT_EQ(t->characterCount(), n);
            EXPECT_EQ(t->text(0, n), text);
            const int o = t->cursorPosition();
            int from = 0;
            int to = 0;
            const QString line = t->textAtOffset(o, QAccessible::LineBoundary, &from, &to);
            ASSERT_TRUE(from <= o && (o < to || to == n)) << seed << ":" << step;
            EXPECT_EQ(line, text.mid(from, to - from));
            const int lineStart = int(m.positionToTextOffset({1, caret.line}));
            EXPECT_EQ(from, lineStart) << "the caret's own line, seed " << seed << " step " << step;
            QStringList parts;
            for (int i = 0; i < t->selectionCount(); ++i) {
                t->selection(i, &from, &to);
                ASSERT_TRUE(0 <= from && from <= to && to <= n);
                parts << text.mid(from, to - from);
            }
            if (m.activeSelectionMode() != SelectionMode::smLine) {
                EXPECT_EQ(parts.join(QStringLiteral("\r\n")), fromBytes(m.selectedText()))
                    << seed << ":" << step;
            }
            for (int k = 0; k < 4; ++k) {
                const int w = pick(0, 3) == 0 ? (pick(0, 1) ? INT_MIN : INT_MAX) : pick(-3, n + 3);
                t->text(w, pick(-3, n + 3));
                t->textAtOffset(w, QAccessible::LineBoundary, &from, &to);
                t->textBeforeOffset(w, QAccessible::LineBoundary, &from, &to);
                t->textAfterOffset(w, QAccessible::LineBoundary, &from, &to);
                t->textAtOffset(w, QAccessible::CharBoundary, &from, &to);
                t->selection(w, &from, &to);
                t->characterRect(w);
            }
            ASSERT_EQ(m.text(), before);
            ASSERT_EQ(m.caret(), caret);
        }
    }
}

} // namespace
