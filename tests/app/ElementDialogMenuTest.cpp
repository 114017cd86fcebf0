#include "tests/support/ScriptedDialogs.h"

#include "app/Unit1.h"
#include "dialogs/ElementDialogFrame.h"
#include "editor/base/Cp1251.h"
#include "editor/widget/TSynMemo.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace varlo;

namespace {

// Runs `step` on the modal dialog once it is up, from inside its event loop.
void whenModal(std::function<void(ElementDialogFrame*)> step) {
    QTimer::singleShot(0, [step] {
        auto* d = qobject_cast<ElementDialogFrame*>(QApplication::activeModalWidget());
        step(d);
        if (d && d->isVisible())
            d->reject();
    });
}

TEST(ElementDialogMenu, ItemsOpenTheirDialogOnceMadeAndInsertIntoTheActiveEditor) {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    StartOptions o;
    o.failsDir = dir.filePath(QStringLiteral("Fails"));
    QDir().mkpath(o.failsDir);
    TForm1 w(o);
    w.show();

    struct Row {
        const char* item;
        const char* other; // the second item that opens the same dialog
        const char* window;
        const char* shortcut;
    };
    const Row rows[] = {
        {"N159", "N51", "Table", "Ctrl+Q"},
        {"N160", "N53", "Tekst", "Ctrl+Shift+F"},
        {"N161", "N54", "Spisok", "Ctrl+E"},
        {"N163", "N55", "Select", "Ctrl+Shift+E"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.item);
        QAction* item = w.findChild<QAction*>(QLatin1String(r.item));
        QAction* other = w.findChild<QAction*>(QLatin1String(r.other));
        ASSERT_TRUE(item && other);
        EXPECT_TRUE(item->isEnabled());
        EXPECT_TRUE(other->isEnabled());
        // The key belongs to one of the two items; the other shows it in its caption.
        const QKeySequence key = item->shortcut().isEmpty() ? other->shortcut() : item->shortcut();
        EXPECT_EQ(key, QKeySequence(QString::fromLatin1(r.shortcut)));
        ElementDialogFrame* first = nullptr;
        whenModal([&](ElementDialogFrame* d) { first = d; });
        item->trigger();
        ASSERT_TRUE(first);
        EXPECT_EQ(first->objectName(), QLatin1String(r.window));
        EXPECT_EQ(first->parentWidget(), &w);
        ElementDialogFrame* second = nullptr;
        whenModal([&](ElementDialogFrame* d) {
            second = d;
            d->RzBitBtn1->click();
        });
        other->trigger();
        EXPECT_EQ(second, first);
    }
    // One insertion from each dialog, in the order above, each at the caret.
    const std::string text = w.ActiveEditor()->model().text();
    EXPECT_EQ(text.rfind("<table border=\"1\">", 0), 0u);
    EXPECT_NE(text.find("<font>"), std::string::npos);
    EXPECT_NE(text.find("</font>"), std::string::npos);
    EXPECT_NE(text.find("<OL type=1 title=\"\">"), std::string::npos);
    EXPECT_NE(text.find("</select>"), std::string::npos);
    EXPECT_TRUE(w.ActiveEditor()->model().isModified());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

} // namespace
