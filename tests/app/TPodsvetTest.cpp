// The highlighter choice dialog in the program's own window: the menu item and the toolbar
// button open it modally, "Ок" puts the chosen component into the active page's editor only.

#include "app/Unit1.h"
#include "editor/highlight/TSynCustomHighlighter.h"
#include "editor/widget/Podsvetka.h"
#include "editor/widget/TSynMemo.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace varlo;

namespace {

class Choice : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        StartOptions o;
        o.failsDir = dir_.path();
        w = std::make_unique<TForm1>(o);
        w->show();
    }

    // Opens the dialog through `how` and acts on it while it runs modally.
    void withDialog(const std::function<void(TPodsvet&)>& act,
                    const std::function<void()>& how = {}) {
        bool ran = false;
        QTimer::singleShot(0, w.get(), [&] {
            ASSERT_NE(w->Podsvet, nullptr);
            ASSERT_TRUE(w->Podsvet->isVisible());
            ran = true;
            act(*w->Podsvet);
            if (w->Podsvet->isVisible())
                w->Podsvet->reject();
        });
        if (how)
            how();
        else
            w->N187Click();
        EXPECT_TRUE(ran);
    }
    static void choose(TPodsvet& d, const QString& caption) {
        const auto found = d.RzListBox1->findItems(caption, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << caption.toStdString();
        d.RzListBox1->setCurrentItem(found.first());
        d.RzBitBtn1->click();
    }
    TSynCustomHighlighter* html() const { return w->Highlighters().front(); }

    QTemporaryDir dir_;
    std::unique_ptr<TForm1> w;
};

TEST_F(Choice, MenuItemAndToolbarButtonOpenTheSameDialog) {
    EXPECT_TRUE(w->N187->isEnabled());
    EXPECT_EQ(w->N187->text(), QStringLiteral("Подсветка кода..."));
    EXPECT_TRUE(w->RzToolButton14->isEnabled());
    EXPECT_EQ(w->RzToolButton14->toolTip(), QStringLiteral("Подсветка кода"));
    TPodsvet* first = nullptr;
    withDialog([&](TPodsvet& d) {
        first = &d;
        EXPECT_TRUE(d.isModal());
        EXPECT_EQ(d.windowTitle(), QStringLiteral("   Настройки подсветки"));
        EXPECT_EQ(d.size(), QSize(184, 158));
        EXPECT_EQ(d.RzListBox1->geometry(), QRect(16, 16, 153, 95));
        EXPECT_EQ(d.RzListBox1->count(), static_cast<int>(w->Highlighters().size()));
        EXPECT_EQ(d.RzListBox1->item(0)->text(), QStringLiteral("Html"));
        EXPECT_EQ(d.RzBitBtn1->text(), QStringLiteral("Ок"));
        EXPECT_EQ(d.RzBitBtn1->toolTip(), QStringLiteral("Изменить"));
        EXPECT_EQ(d.RzBitBtn2->text(), QStringLiteral("Отмена"));
        EXPECT_EQ(d.RzBitBtn2->toolTip(), QStringLiteral("Не чего не изменять"));
        EXPECT_FALSE(d.RzBitBtn1->isDefault() || d.RzBitBtn1->autoDefault());
        EXPECT_FALSE(d.RzBitBtn1->icon().isNull());
        EXPECT_FALSE(d.RzBitBtn2->icon().isNull());
    });
    withDialog([&](TPodsvet& d) { EXPECT_EQ(&d, first); }, [&] { w->RzToolButton14->trigger(); });
}

TEST_F(Choice, PythonOnPageTwoLeavesPageOneWithHtml) {
    TSynMemo* page1 = w->ActiveEditor();
    w->NewPage();
    TSynMemo* page2 = w->ActiveEditor();
    withDialog([&](TPodsvet& d) {
        ASSERT_EQ(d.RzListBox1->count(), 14);
        EXPECT_EQ(d.RzListBox1->item(12)->text(), QStringLiteral("Python"));
        choose(d, QStringLiteral("Python"));
    });
    ASSERT_NE(page2->Highlighter(), nullptr);
    EXPECT_EQ(page2->Highlighter()->languageName(), "Python");
    EXPECT_EQ(page2->Highlighter(), w->Highlighters()[12]);
    EXPECT_EQ(page1->Highlighter(), html());
    w->NewPage();
    EXPECT_EQ(w->ActiveEditor()->Highlighter(), html());
    // Re-opening shows Python selected; "Ок" applies it to the page active now.
    withDialog([&](TPodsvet& d) {
        EXPECT_EQ(d.selectedIndex(), 12);
        d.RzBitBtn1->click();
    });
    EXPECT_EQ(w->ActiveEditor()->Highlighter(), w->Highlighters()[12]);
    // "Html" brings the HTML component back.
    withDialog([&](TPodsvet& d) { choose(d, QStringLiteral("Html")); });
    EXPECT_EQ(w->ActiveEditor()->Highlighter(), html());
}

TEST_F(Choice, OkWithNothingSelectedAndCancelChangeNothing) {
    TSynMemo* page1 = w->ActiveEditor();
    page1->setHighlighter(nullptr); // a page without colouring shows any change at once
    withDialog([&](TPodsvet& d) {
        EXPECT_EQ(d.selectedIndex(), -1);
        d.RzBitBtn1->click();
    });
    EXPECT_EQ(page1->Highlighter(), nullptr);
    withDialog([&](TPodsvet& d) {
        d.RzListBox1->setCurrentRow(0);
        d.RzBitBtn2->click();
    });
    EXPECT_EQ(page1->Highlighter(), nullptr);
    withDialog([&](TPodsvet& d) {
        d.RzListBox1->setCurrentRow(0);
        d.close(); // the caption button
    });
    EXPECT_EQ(page1->Highlighter(), nullptr);
}

TEST_F(Choice, OnlyTheActivePageChangesAndTheChoiceShowsAgain) {
    TSynMemo* page1 = w->ActiveEditor();
    w->NewPage();
    TSynMemo* page2 = w->ActiveEditor();
    page2->setHighlighter(nullptr);
    page1->setHighlighter(nullptr);
    w->AdvPageControl1Change();
    withDialog([&](TPodsvet& d) { choose(d, QStringLiteral("Html")); });
    EXPECT_EQ(page2->Highlighter(), html());
    EXPECT_EQ(page1->Highlighter(), nullptr);
    // A page made afterwards starts with HTML.
    w->NewPage();
    EXPECT_EQ(w->ActiveEditor()->Highlighter(), html());
    // The previous choice is selected; "Ок" applies it to the page that is active now.
    w->ActiveEditor()->setHighlighter(nullptr);
    withDialog([&](TPodsvet& d) {
        EXPECT_EQ(d.selectedIndex(), 0);
        d.RzBitBtn1->click();
    });
    EXPECT_EQ(w->ActiveEditor()->Highlighter(), html());
}

} // namespace
