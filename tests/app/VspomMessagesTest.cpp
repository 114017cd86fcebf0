#include "tests/support/ScriptedDialogs.h"
#include "editing/Vspom.h"

#include <gtest/gtest.h>

using varlo::DialogService;

namespace {

TEST(VspomMessages, ReportErrorShowsTheFixedErrorBox) {
    ScriptedDialogs dialogs;
    dialogs.answers = {DialogService::Ok};
    Vspom::ReportError();
    ASSERT_EQ(dialogs.messages.size(), 1);
    const DialogService::Message& m = dialogs.messages[0];
    EXPECT_EQ(dialogs.sounds, QList<DialogService::Sound>{DialogService::Sound::Hand});
    EXPECT_EQ(m.caption, QStringLiteral("Error"));
    EXPECT_EQ(m.text,
              QStringLiteral("Возникла ошибка. Сообщите автору\rпрограммы о данной ошибке"));
    EXPECT_EQ(m.icon, DialogService::Icon::Error);
    EXPECT_EQ(m.buttons, QList<DialogService::Button>{DialogService::Ok});
}

TEST(VspomMessages, CenteredMessageOrdersButtonsAndPicksDefaultAndCancel) {
    using B = DialogService::Button;
    struct Row {
        Vspom::MsgButtons asked;
        QList<B> shown;
        std::optional<B> byDefault;
        std::optional<B> onEscape;
    };
    const Row rows[] = {
        {Vspom::mbCancel | Vspom::mbNo | Vspom::mbYes,
         {B::Yes, B::No, B::Cancel},
         B::Yes,
         B::Cancel},
        {Vspom::mbYes | Vspom::mbNo, {B::Yes, B::No}, B::Yes, B::No},
        {Vspom::mbOK | Vspom::mbCancel, {B::Ok, B::Cancel}, B::Ok, B::Cancel},
        {Vspom::mbOK, {B::Ok}, B::Ok, B::Ok},
        {Vspom::mbYes | Vspom::mbOK, {B::Yes, B::Ok}, B::Ok, B::Ok},
        {Vspom::mbNo, {B::No}, std::nullopt, B::No},
    };
    for (const Row& r : rows) {
        ScriptedDialogs dialogs;
        dialogs.answers = {B::No};
        EXPECT_EQ(Vspom::CenteredMessage(QStringLiteral("Закрыть?"), Vspom::MsgKind::Confirmation,
                                         r.asked),
                  Vspom::mbNo);
        ASSERT_EQ(dialogs.messages.size(), 1);
        const DialogService::Message& m = dialogs.messages[0];
        EXPECT_EQ(m.buttons, r.shown) << r.asked;
        EXPECT_EQ(m.defaultButton, r.byDefault) << r.asked;
        EXPECT_EQ(m.escapeButton, r.onEscape) << r.asked;
        EXPECT_EQ(m.caption, QStringLiteral("Confirm"));
        EXPECT_EQ(m.icon, DialogService::Icon::Question);
        EXPECT_EQ(dialogs.sounds, QList<DialogService::Sound>{DialogService::Sound::Asterisk});
    }
}

TEST(DialogService, CentresWithHalvesTruncatedTowardZero) {
    EXPECT_EQ(DialogService::centredTopLeft(QRect(256, 182, 711, 481), QSize(300, 121)),
              QPoint(256 + 355 - 150, 182 + 240 - 60));
    // A box wider than the window goes left of it.
    EXPECT_EQ(DialogService::centredTopLeft(QRect(-10, 0, 11, 3), QSize(31, 1)), QPoint(-20, 1));
}

TEST(DialogService, WindowsFiltersBecomeQtFilters) {
    const QString open = QStringLiteral("Веб страница (*.html, *.htm)|*.html; *.htm|Все файлы|*.*");
    EXPECT_EQ(DialogService::qtFilters(open),
              (QStringList{QStringLiteral("Веб страница (*.html, *.htm) (*.html *.htm)"),
                           QStringLiteral("Все файлы (*.*)")}));
    const QString save = QStringLiteral("Веб страница (*.html)|.html|CSS (*.css)|.css");
    EXPECT_EQ(DialogService::filterPatterns(save),
              (QList<QStringList>{{QStringLiteral("*.html")}, {QStringLiteral("*.css")}}));
    EXPECT_EQ(DialogService::patternExtension(QStringLiteral("*.html")), QStringLiteral("html"));
    EXPECT_EQ(DialogService::patternExtension(QStringLiteral("*.*")), QString());
    EXPECT_EQ(DialogService::patternExtension(QStringLiteral("*")), QString());
}

} // namespace
