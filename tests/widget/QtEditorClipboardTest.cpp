#include "editor/widget/QtEditorClipboard.h"
#include "editor/document/EditorModel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

using namespace varlo;

namespace {

TEST(QtClipboard, ColumnBlockPastesBackAsColumn) {
    QtEditorClipboard clip;
    EditorModel m;
    m.setClipboard(&clip);
    m.addLine("abcd");
    m.addLine("efgh");
    m.setSelectionMode(SelectionMode::smColumn);
    m.setCaretAndSelection({3, 2}, {2, 1}, {3, 2});
    m.copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("b\r\nf"));
    m.setSelectionMode(SelectionMode::smNormal);
    m.setCaretAndSelection({5, 1}, {5, 1}, {5, 1});
    m.paste();
    EXPECT_EQ(m.line(0), "abcdb");
    EXPECT_EQ(m.line(1), "efghf");
}

TEST(QtClipboard, PlainTextIsConvertedBothWays) {
    QtEditorClipboard clip;
    clip.put("\xCF\xF0\xE8\xE2\xE5\xF2 \x88", SelectionMode::smNormal); // "Привет €"
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Привет €"));
    // Text from another program: what the code page cannot hold becomes '?'.
    QGuiApplication::clipboard()->setText(QStringLiteral("Да 中 é"));
    const auto got = clip.get();
    ASSERT_TRUE(got.has_value());
    EXPECT_FALSE(got->mode.has_value());
    EXPECT_EQ(got->text, "\xC4\xE0 ? ?");
}

TEST(QtClipboard, BrokenBlockFailsWithThePasteMessage) {
    auto* data = new QMimeData;
    data->setData(QtEditorClipboard::kBlockMimeType, QByteArray("\x07xyz", 4));
    QGuiApplication::clipboard()->setMimeData(data);
    QtEditorClipboard clip;
    try {
        clip.get();
        FAIL() << "no error";
    } catch (const ClipboardError& e) {
        EXPECT_STREQ(e.what(), "Clipboard paste operation failed.");
    }
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(clip.get().has_value());
}

TEST(QtClipboard, BytesSurviveTheBlockFormat) {
    QtEditorClipboard clip;
    const std::string bytes("a\0b\x1A\x98z", 6);
    clip.put(bytes, SelectionMode::smLine);
    const auto got = clip.get();
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->text, bytes);
    EXPECT_EQ(got->mode, SelectionMode::smLine);
}

} // namespace
