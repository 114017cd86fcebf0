#include "editing/EditingCommands.h"
#include "editing/CommandCatalogue.h"
#include "editing/DialogService.h"
#include "editing/EditingHost.h"
#include "editing/TFindDialog.h"
#include "editing/TReplaceDialog.h"
#include "editor/base/Cp1251.h"
#include "editor/widget/TSynMemo.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>

#include <deque>
#include <set>

using namespace varlo;

namespace {

// Answers the dialogs from a script and records the message boxes.
class ScriptedDialogs : public DialogService {
public:
    std::deque<std::optional<QColor>> colours;
    QList<QColor> colourInitials;
    QList<Message> messages;

    void beep(Sound) override {}
    Button showMessage(const Message& m) override {
        messages.append(m);
        return Ok;
    }
    std::optional<QString> openFileName(QWidget*, const FileRequest&) override { return {}; }
    std::optional<QString> saveFileName(QWidget*, const FileRequest&) override { return {}; }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override {
        colourInitials.append(initial);
        if (colours.empty())
            return std::nullopt;
        auto c = colours.front();
        colours.pop_front();
        return c;
    }
};

class TestHost : public EditingHost {
public:
    QMainWindow window;
    QMenu* edit = window.menuBar()->addMenu(QStringLiteral("Правка"));
    QMenu* insert = window.menuBar()->addMenu(QStringLiteral("Вставить"));
    QMenu* html = window.menuBar()->addMenu(QStringLiteral("HTML"));
    QMenu* popup = new QMenu(&window);
    QToolBar* bar = window.addToolBar(QStringLiteral("RzToolbar1"));
    QAction* undoSlot = bar->addSeparator();
    QAction* tagsSlot = bar->addSeparator();
    TSynMemo* memo = new TSynMemo(&window);
    std::set<ElementDialog> dialogs;
    QList<ElementDialog> opened;
    std::deque<std::optional<QString>> files;
    QStringList openDMRequests;
    int modifiedShown = 0;

    explicit TestHost(std::set<ElementDialog> existing = {}) : dialogs(std::move(existing)) {
        window.setCentralWidget(memo);
        window.setGeometry(100, 120, 700, 480);
    }
    TSynMemo* activeEditor() override { return memo; }
    QWidget* mainWindow() override { return &window; }
    QMenu* editMenu() override { return edit; }
    QMenu* insertMenu() override { return insert; }
    QMenu* htmlMenu() override { return html; }
    QMenu* popupMenu() override { return popup; }
    QToolBar* toolBar() override { return bar; }
    QAction* toolBarSlot(ToolBarGroup g) override {
        return g == ToolBarGroup::UndoRedo ? undoSlot : tagsSlot;
    }
    bool hasElementDialog(ElementDialog d) override { return dialogs.count(d) > 0; }
    void openElementDialog(ElementDialog d) override { opened.append(d); }
    std::optional<QString> executeOpenDM(const QString& filter, const QString& title) override {
        openDMRequests << filter << title;
        if (files.empty())
            return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
    void showModifiedInStatusBar() override { ++modifiedShown; }

    EditorModel& model() { return memo->model(); }
    QAction* action(const char* name) {
        return window.findChild<QAction*>(QLatin1String(name), Qt::FindChildrenRecursively);
    }
    void trigger(const char* name) {
        QAction* a = action(name);
        ASSERT_TRUE(a) << name;
        a->trigger();
    }
};

class EditingCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { DialogService::install(&dialogs); }
    void TearDown() override { DialogService::install(nullptr); }
    ScriptedDialogs dialogs;
};

TEST_F(EditingCommandsTest, MenusFollowTheCatalogueAndEveryKeyBelongsToOneAction) {
    TestHost host({ElementDialog::Table});
    installEditingCommands(host);

    QStringList top;
    for (QAction* a : host.html->actions())
        top << a->text().section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(top.size(), 13);
    EXPECT_EQ(top.front(), QStringLiteral("Тело документа"));
    EXPECT_EQ(top.back(), QStringLiteral("Вставить цвет...                "));
    EXPECT_EQ(host.edit->actions().size(), 12); // ten items and two separators
    EXPECT_EQ(host.popup->actions().size(), 13);

    // A dialog that exists is reachable; one that does not yet is shown disabled.
    EXPECT_TRUE(host.action("N51")->isEnabled());
    EXPECT_TRUE(host.action("N159")->isEnabled());
    EXPECT_FALSE(host.action("C1")->isEnabled());
    EXPECT_FALSE(host.action("N172")->isEnabled());
    host.trigger("N159");
    EXPECT_EQ(host.opened, QList<ElementDialog>{ElementDialog::Table});

    std::set<QString> keys;
    for (QAction* a : host.window.findChildren<QAction*>())
        if (!a->shortcut().isEmpty()) {
            EXPECT_TRUE(keys.insert(a->shortcut().toString()).second)
                << a->shortcut().toString().toStdString();
        }
    for (const char* k : {"Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+F", "Ctrl+H", "Ctrl+Shift+O", "F5",
                          "Ctrl+Q", "Ctrl+R", "Ctrl+I", "Ctrl+J", "Ctrl+G", "Ctrl+Alt+S"})
        EXPECT_TRUE(keys.count(QString::fromLatin1(k))) << k;
    // A caption with an ampersand shows it rather than taking it as a mnemonic.
    EXPECT_EQ(host.action("N89")->text(), QStringLiteral("Амперсанд "));
}

TEST_F(EditingCommandsTest, ToolBarMenuAndContextItemsShareCommands) {
    TestHost host;
    installEditingCommands(host);
    QStringList buttons;
    for (QAction* a : host.bar->actions())
        if (!a->isSeparator())
            buttons << a->objectName() + QLatin1Char('=') + a->toolTip();
    EXPECT_EQ(buttons, (QStringList{"RzToolButton6=Отмена", "RzToolButton7=Возвратить",
                                    "RzToolButton8=Полужирный", "RzToolButton9=Курсив",
                                    "RzToolButton10=Подчёркнутый", "RzToolButton11=Зачёркнутый ",
                                    "RzToolButton12=Перевод строки"}));

    host.model().setText("один слово"_w);
    host.model().setSelectionStart(5);
    host.model().setSelectionLength(5);
    host.trigger("RzToolButton8");
    EXPECT_EQ(host.model().text(), "один <b></b>"_w);
    EXPECT_EQ(host.model().selectionStart(), 8);

    for (const char* name : {"RzToolButton12", "BR1", "N170"})
        host.trigger(name);
    host.trigger("N169");
    EXPECT_EQ(host.model().text(), "один <b><br><br><br>&nbsp;</b>"_w);

    // The undo and redo buttons and the context menu's "Отменить" reach the editor's undo.
    const std::string full = host.model().text();
    host.trigger("RzToolButton6");
    const std::string undone = host.model().text();
    EXPECT_NE(undone, full);
    host.trigger("RzToolButton7");
    EXPECT_EQ(host.model().text(), full);
    host.trigger("J2");
    EXPECT_EQ(host.model().text(), undone);
}

TEST_F(EditingCommandsTest, ClearEmptiesTheTextForGood) {
    TestHost host;
    installEditingCommands(host);
    host.model().setText("abc");
    host.model().setSelectedText("x");
    int changes = 0;
    QObject::connect(host.memo, &TSynMemo::OnChange, [&] { ++changes; });
    host.trigger("N167");
    EXPECT_EQ(host.model().lineCount(), 0);
    EXPECT_TRUE(host.model().isModified());
    EXPECT_EQ(host.modifiedShown, 1);
    EXPECT_EQ(changes, 0);
    host.trigger("J1");
    EXPECT_EQ(host.model().text(), "");
}

TEST_F(EditingCommandsTest, DateAndTimeText) {
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9));
    const std::string text = EditingCommands::dateTimeText(when, QLatin1Char(':'));
    EXPECT_EQ(text, "05.03.2024 год. Время - 14:07:09 "_w);
    EXPECT_EQ(text.size(), 33u);
    EXPECT_EQ(EditingCommands::dateTimeText(QDateTime(QDate(2024, 12, 25), QTime(9, 0, 5)),
                                            QLatin1Char('.')),
              "25.12.2024 год. Время - 09.00.05 "_w);
    EXPECT_FALSE(EditingCommands::systemTimeSeparator().isLetterOrNumber());

    TestHost host;
    installEditingCommands(host);
    host.model().setText("[x]");
    host.model().setSelectionStart(1);
    host.model().setSelectionLength(1);
    host.trigger("N19");
    EXPECT_EQ(host.model().textLength(), 2 + 33);
    EXPECT_EQ(host.model().text().back(), ']');
}

TEST_F(EditingCommandsTest, ColourIsRememberedAndCancelInsertsNothing) {
    TestHost host;
    installEditingCommands(host);
    host.model().setText("");
    dialogs.colours = {QColor(255, 0, 0), std::nullopt, QColor(0, 128, 255)};
    host.trigger("N127");
    host.trigger("N176");
    host.trigger("N165");
    EXPECT_EQ(host.model().text(), "#FF0000#0080FF");
    ASSERT_EQ(dialogs.colourInitials.size(), 3);
    EXPECT_EQ(dialogs.colourInitials[0], QColor(0, 0, 0));
    EXPECT_EQ(dialogs.colourInitials[1], QColor(255, 0, 0));
    EXPECT_EQ(dialogs.colourInitials[2], QColor(255, 0, 0));
}

TEST_F(EditingCommandsTest, ImageInsertsThePathAsChosen) {
    TestHost host;
    installEditingCommands(host);
    host.model().setText("sel");
    host.model().setSelectionLength(3);
    host.files = {QStringLiteral("/home/u/Мой сайт/logo.gif"), std::nullopt};
    host.trigger("N48");
    host.trigger("N158");
    EXPECT_EQ(host.model().text(),
              "<IMG src=\"/home/u/Мой сайт/logo.gif\" alt=\"подсказка\" height=\"\" width=\"\">"_w);
    ASSERT_EQ(host.openDMRequests.size(), 4);
    EXPECT_EQ(host.openDMRequests[0],
              QStringLiteral("Изборажения (*.jpg, *.jpeg, *.gif, *.bmp)|*.jpg; *jpeg; *.gif; "
                             "*.bmp|Другие форматы (*.*)"));
    EXPECT_EQ(host.openDMRequests[1], QStringLiteral("Вставить изображение"));
}

TEST_F(EditingCommandsTest, FailuresReachTheirDisplay) {
    TestHost host;
    installEditingCommands(host);
    MemoryClipboard clipboard;
    clipboard.failCopy = true;
    host.model().setClipboard(&clipboard);
    host.model().setText("abc");
    host.model().selectAll();

    // The edit operations have no failure handler: the failure's own message is shown.
    host.trigger("N12");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Clipboard copy operation failed."));
    EXPECT_EQ(dialogs.messages[0].icon, DialogService::Icon::Error);

    // The image command reports any failure with the fixed error box; a path that no document
    // can hold is one, and nothing is inserted.
    host.files = {QStringLiteral("/tmp/\u56fe.gif")};
    host.trigger("N48");
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].caption, QStringLiteral("Error"));
    EXPECT_TRUE(dialogs.messages[1].text.startsWith(QStringLiteral("Возникла ошибка")));
    EXPECT_EQ(host.model().text(), "abc");
}

TEST_F(EditingCommandsTest, FindWindowOpensPresetAndReportsAFailedSearch) {
    TestHost host;
    installEditingCommands(host);
    host.window.show();
    host.model().setText("abab");
    host.model().setSelectionLength(2);
    host.trigger("N17");
    auto* find = host.window.findChild<TFindDialog*>(QStringLiteral("FindDialog1"));
    ASSERT_TRUE(find);
    EXPECT_TRUE(find->isVisible());
    EXPECT_EQ(find->FindText(), std::optional<std::string>("ab"));
    EXPECT_TRUE(find->Options() & FindWindowBase::frHideWholeWord);
    EXPECT_EQ(FindWindowBase::openingCorner(QRect(100, 120, 701, 481)),
              QPoint(100 + 350 - 187, 120 + 240 - 67));

    find->findNextButton()->click();
    EXPECT_EQ(host.model().selectionStart(), 2);
    find->findNextButton()->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Текст \"ab\" не найден."));
    EXPECT_EQ(host.model().selectionStart(), 4);

    // Searching up, with match case.
    find->findChild<QRadioButton*>(QStringLiteral("Up"))->setChecked(true);
    find->findChild<QCheckBox*>(QStringLiteral("MatchCase"))->setChecked(true);
    EXPECT_FALSE(find->Options() & FindWindowBase::frDown);
    EXPECT_TRUE(find->Options() & FindWindowBase::frMatchCase);
    find->findNextButton()->click();
    EXPECT_EQ(host.model().selectionStart(), 2);

    // Opening again while open keeps what the field shows.
    host.model().setSelectionStart(0);
    host.model().setSelectionLength(1);
    host.trigger("N17");
    EXPECT_EQ(find->FindText(), std::optional<std::string>("ab"));
    find->close();

    // A long selection presets only its first 255 characters.
    host.model().setText(std::string(300, 'q'));
    host.model().selectAll();
    host.trigger("N17");
    EXPECT_EQ(find->FindText()->size(), 255u);
}

TEST_F(EditingCommandsTest, ReplaceWindowSteps) {
    TestHost host;
    installEditingCommands(host);
    host.window.show();
    host.model().setText("a-a-a");
    host.trigger("N184");
    auto* replace = host.window.findChild<TReplaceDialog*>(QStringLiteral("ReplaceDialog1"));
    ASSERT_TRUE(replace);
    replace->setFindText("a");
    replace->setReplaceText("bb");

    replace->replaceButton()->click(); // nothing selected: nothing happens
    EXPECT_EQ(host.model().text(), "a-a-a");
    EXPECT_TRUE(dialogs.messages.isEmpty());

    replace->findNextButton()->click();
    EXPECT_EQ(host.model().selectedText(), "a");
    replace->replaceButton()->click();
    EXPECT_EQ(host.model().text(), "bb-a-a");
    replace->replaceAllButton()->click();
    EXPECT_EQ(host.model().text(), "bb-bb-bb");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Замена \"a\" на \"bb\" закончена"));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Confirm"));
    EXPECT_EQ(dialogs.messages[0].icon, DialogService::Icon::Question);

    replace->findNextButton()->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("Текст \"a\" не найден"));
}

} // namespace
