#include "editing/FailureHandler.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <functional>
#include <stdexcept>

using varlo::DialogService;

namespace {

class FailureHandlerTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
};

TEST_F(FailureHandlerTest, UnguardedShowsTheFailuresOwnMessageOverTheActiveWindow) {
    QWidget window;
    window.setGeometry(100, 100, 400, 300);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    struct Row {
        const char* name;
        std::function<void()> fail;
        QString shown;
    };
    const Row rows[] = {
        {"message gets a full stop",
         [] { throw std::runtime_error("cannot open /tmp/Мой сайт.html"); },
         QStringLiteral("cannot open /tmp/Мой сайт.html.")},
        {"full stop not doubled", [] { throw std::logic_error("no active page."); },
         QStringLiteral("no active page.")},
        {"empty message", [] { throw std::runtime_error(""); }, QStringLiteral(".")},
        {"not a standard exception", [] { throw 42; }, QStringLiteral("Unknown failure.")},
    };
    for (const Row& r : rows) {
        dialogs.messages.clear();
        dialogs.answers = {DialogService::Ok};
        bool after = false;
        varlo::unguarded([&] {
            r.fail();
            after = true;
        });
        EXPECT_FALSE(after) << r.name;
        ASSERT_EQ(dialogs.messages.size(), 1) << r.name;
        const DialogService::Message& m = dialogs.messages[0];
        EXPECT_EQ(m.text, r.shown) << r.name;
        EXPECT_EQ(m.caption, QGuiApplication::applicationDisplayName()) << r.name;
        EXPECT_EQ(m.icon, DialogService::Icon::Error) << r.name;
        EXPECT_EQ(m.buttons, QList<DialogService::Button>{DialogService::Ok}) << r.name;
        EXPECT_EQ(m.escapeButton, DialogService::Ok) << r.name;
        EXPECT_EQ(m.centreOver, &window) << r.name;
    }
    EXPECT_TRUE(dialogs.sounds.isEmpty());
}

TEST_F(FailureHandlerTest, GuardedReportsAnyFailureWithTheFixedBoxAndSkipsTheRest) {
    int steps = 0;
    varlo::guarded([&] { ++steps; });
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(dialogs.messages.isEmpty());

    dialogs.answers = {DialogService::Ok, DialogService::Ok};
    varlo::guarded([&] {
        throw std::runtime_error("cannot write");
        ++steps;
    });
    varlo::guarded([] { throw 7; });
    EXPECT_EQ(steps, 1);
    ASSERT_EQ(dialogs.messages.size(), 2);
    for (const DialogService::Message& m : dialogs.messages) {
        EXPECT_EQ(m.caption, QStringLiteral("Error"));
        EXPECT_TRUE(m.text.startsWith(QStringLiteral("Возникла ошибка")));
    }
    EXPECT_EQ(dialogs.sounds, (QList<DialogService::Sound>{DialogService::Sound::Hand,
                                                           DialogService::Sound::Hand}));
}

} // namespace
