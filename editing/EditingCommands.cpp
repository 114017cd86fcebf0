#include "editing/EditingCommands.h"

#include "editing/CatalogueInsert.h"
#include "editing/DialogService.h"
#include "editing/FailureHandler.h"
#include "editing/FindReplace.h"
#include "editing/TFindDialog.h"
#include "editing/TReplaceDialog.h"
#include "editing/Vspom.h"
#include "editor/base/Cp1251.h"
#include "editor/qtbridge/QtCp1251.h"
#include "editor/widget/SystemColors.h"
#include "editor/widget/TSynMemo.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QToolBar>

#include <map>
#include <stdexcept>

using namespace CommandCatalogue;
using varlo::DialogService;
using varlo::fromBytes;
using varlo::guarded;
using varlo::TSynMemo;
using varlo::unguarded;
using varlo::operator""_w;

namespace {

bool hasOwnFailureHandler(const CommandRow& row) {
    switch (row.action) {
    case Action::Dialog:
        // The running-line dialog and its command leave failures to the main loop.
        return row.dialog != ElementDialog::Marquee;
    case Action::Image:
    case Action::Find:
    case Action::Replace:
        return true;
    default:
        return false;
    }
}

// The text drawn for a caption: a literal "&" is doubled so that it is not taken as a mnemonic.
QString menuText(std::string_view caption) {
    return fromBytes(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

const std::map<Action, varlo::EditorCommand> kEditorOperations = {
    {Action::Undo, varlo::ecUndo},   {Action::Redo, varlo::ecRedo},
    {Action::Copy, varlo::ecCopy},   {Action::Cut, varlo::ecCut},
    {Action::Paste, varlo::ecPaste}, {Action::SelectAll, varlo::ecSelectAll},
};

} // namespace

// --- EditingHost defaults

QIcon EditingHost::toolBarImage(int) {
    return {};
}

void installEditingCommands(EditingHost& host) {
    new EditingCommands(host);
}

// --- EditingCommands

EditingCommands::EditingCommands(EditingHost& host) : QObject(host.mainWindow()), host_(host) {
    setObjectName(QStringLiteral("EditingCommands"));
    FindDialog1 = new TFindDialog(host.mainWindow());
    ReplaceDialog1 = new TReplaceDialog(host.mainWindow());
    connect(FindDialog1, &FindWindowBase::OnFind, this,
            [this] { guarded([&] { FindDialog1Find(); }); });
    connect(ReplaceDialog1, &FindWindowBase::OnFind, this,
            [this] { guarded([&] { ReplaceDialog1Find(); }); });
    connect(ReplaceDialog1, &TReplaceDialog::OnReplace, this,
            [this] { guarded([&] { ReplaceDialog1Replace(); }); });

    // The window's own menus first, so that their items carry the shortcuts; the context menu
    // only shows them.
    buildMenu(host.editMenu(), editMenu());
    buildMenu(host.insertMenu(), insertMenu());
    buildMenu(host.htmlMenu(), htmlMenu());
    buildMenu(host.popupMenu(), popupMenu());
    buildToolBar();
}

void EditingCommands::buildMenu(QMenu* menu, std::span<const CommandRow> rows) {
    if (!menu)
        return;
    std::map<std::string_view, QMenu*> submenus;
    for (const CommandRow& row : rows) {
        QMenu* parent = row.parent.empty() ? menu : submenus.at(row.parent);
        if (row.action == Action::Separator) {
            parent->addSeparator();
            continue;
        }
        if (row.action == Action::Submenu) {
            QMenu* sub = parent->addMenu(menuText(row.caption));
            sub->setObjectName(QString::fromLatin1(row.name));
            sub->menuAction()->setObjectName(QString::fromLatin1(row.name));
            submenus[row.name] = sub;
            continue;
        }
        QAction* a = parent->addAction(menuText(row.caption));
        a->setObjectName(QString::fromLatin1(row.name));
        if (!row.shortcut.empty()) {
            const QKeySequence key(QString::fromLatin1(row.shortcut), QKeySequence::PortableText);
            // One action per key: a second one would make the key ambiguous and dead.
            if (menu != host_.popupMenu() && !registeredShortcuts_.contains(key)) {
                registeredShortcuts_.append(key);
                a->setShortcut(key);
            } else {
                a->setText(a->text() + QLatin1Char('\t') + key.toString(QKeySequence::NativeText));
            }
        }
        const CommandRow& target = resolve(row);
        if (target.action == Action::Dialog)
            a->setEnabled(host_.hasElementDialog(target.dialog));
        connect(a, &QAction::triggered, this, [this, &row] { run(row); });
    }
}

void EditingCommands::buildToolBar() {
    QToolBar* bar = host_.toolBar();
    if (!bar)
        return;
    for (const ToolButtonRow& b : toolButtons()) {
        const CommandRow* row = findRow(b.command);
        auto* a = new QAction(host_.toolBarImage(b.image), fromBytes(b.tooltip), bar);
        a->setObjectName(QString::fromLatin1(b.name));
        a->setToolTip(fromBytes(b.tooltip));
        bar->insertAction(host_.toolBarSlot(b.group), a);
        if (QWidget* w = bar->widgetForAction(a))
            w->setObjectName(QString::fromLatin1(b.name));
        connect(a, &QAction::triggered, this, [this, row] { run(*row); });
    }
}

void EditingCommands::run(const CommandRow& row) {
    const CommandRow& target = resolve(row);
    if (hasOwnFailureHandler(target)) {
        guarded([&] { runCommand(target); });
        return;
    }
    unguarded([&] { runCommand(target); });
}

void EditingCommands::runCommand(const CommandRow& row) {
    switch (row.action) {
    case Action::Dialog:
        host_.openElementDialog(row.dialog);
        return;
    case Action::Find:
    case Action::Replace:
        openFindWindow(row.action == Action::Replace);
        return;
    default:
        break;
    }
    TSynMemo* memo = host_.activeEditor();
    if (!memo)
        return;
    varlo::EditorModel& editor = memo->model();
    if (insertsText(row)) {
        insertRow(editor, row);
    } else if (const auto op = kEditorOperations.find(row.action); op != kEditorOperations.end()) {
        memo->CommandProcessor(op->second);
    } else {
        switch (row.action) {
        case Action::Clear:
            // The text goes with both histories: "Отменить" cannot bring it back.
            memo->CommandProcessor(varlo::ecClearAll);
            editor.setModified(true);
            host_.showModifiedInStatusBar();
            break;
        case Action::DateTime:
            editor.setSelectedText(
                dateTimeText(QDateTime::currentDateTime(), systemTimeSeparator()));
            break;
        case Action::Color:
            insertColor();
            break;
        case Action::Image:
            insertImage();
            break;
        default:
            break;
        }
    }
    memo->ensureCaretVisible();
}

std::string EditingCommands::dateTimeText(const QDateTime& when, QChar timeSeparator) {
    const QString sep(timeSeparator);
    const QString text = when.toString(QStringLiteral("dd.MM.yyyy")) +
                         QStringLiteral(" год. Время - ") + when.toString(QStringLiteral("HH")) +
                         sep + when.toString(QStringLiteral("mm")) + sep +
                         when.toString(QStringLiteral("ss")) + QLatin1Char(' ');
    return varlo::toBytesExactly(text).value_or(std::string());
}

QChar EditingCommands::systemTimeSeparator() {
    const QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
    // The first character after the hours that is not part of a field.
    qsizetype h = format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    for (qsizetype i = h < 0 ? 0 : h; i < format.size(); ++i) {
        const QChar c = format[i];
        if (!c.isLetter() && c != QLatin1Char('\''))
            return c;
    }
    return QLatin1Char(':');
}

void EditingCommands::insertColor() {
    const auto chosen =
        DialogService::instance().chooseColor(host_.mainWindow(), varlo::toQColor(lastColor_));
    if (!chosen)
        return;
    lastColor_ = varlo::fromQColor(*chosen);
    if (TSynMemo* memo = host_.activeEditor())
        memo->model().setSelectedText(Vspom::ColorToHtml(lastColor_));
}

void EditingCommands::insertImage() {
    const auto path = host_.executeOpenDM(
        QStringLiteral("Изборажения (*.jpg, *.jpeg, *.gif, *.bmp)|*.jpg; *jpeg; *.gif; "
                       "*.bmp|Другие форматы (*.*)"),
        QStringLiteral("Вставить изображение"));
    if (!path)
        return;
    // The path goes in as the dialog gives it; one that no document can hold is a failure.
    const auto bytes = varlo::toBytesExactly(QDir::toNativeSeparators(*path));
    if (!bytes)
        throw std::runtime_error("path not representable in Windows-1251");
    if (TSynMemo* memo = host_.activeEditor())
        memo->model().setSelectedText(
            std::string("<IMG src=\"") + *bytes +
            std::string("\" alt=\"подсказка\" height=\"\" width=\"\">"_w));
}

void EditingCommands::openFindWindow(bool replace) {
    FindWindowBase* window = replace ? static_cast<FindWindowBase*>(ReplaceDialog1)
                                     : static_cast<FindWindowBase*>(FindDialog1);
    TSynMemo* memo = host_.activeEditor();
    const std::string selection = memo ? memo->model().selectedText() : std::string();
    QWidget* active = QApplication::activeWindow();
    if (!active)
        active = host_.mainWindow();
    window->open(selection, FindWindowBase::openingCorner(active->frameGeometry()));
}

namespace {
FindReplace::Query queryOf(const std::optional<std::string>& find, const std::string& replace,
                           unsigned options) {
    return {find ? std::string_view(*find) : std::string_view(), replace,
            (options & FindWindowBase::frMatchCase) != 0};
}
} // namespace

void EditingCommands::FindDialog1Find() {
    TSynMemo* memo = host_.activeEditor();
    if (!memo)
        return;
    const auto find = FindDialog1->FindText();
    const unsigned options = FindDialog1->Options();
    const bool found = FindReplace::findStep(memo->model(), queryOf(find, {}, options),
                                             (options & FindWindowBase::frDown) != 0);
    memo->ensureCaretVisible();
    if (!found)
        DialogService::instance().showMessage(DialogService::Message::information(
            fromBytes(FindReplace::findNotFoundMessage(find.value_or(std::string())))));
}

void EditingCommands::ReplaceDialog1Find() {
    TSynMemo* memo = host_.activeEditor();
    if (!memo)
        return;
    const auto find = ReplaceDialog1->FindText();
    const auto outcome = FindReplace::replaceSearchStep(
        memo->model(), queryOf(find, {}, ReplaceDialog1->Options()), false);
    memo->ensureCaretVisible();
    if (outcome == FindReplace::Outcome::NotFound)
        DialogService::instance().showMessage(DialogService::Message::confirmation(
            fromBytes(FindReplace::replaceNotFoundMessage(find.value_or(std::string())))));
}

void EditingCommands::ReplaceDialog1Replace() {
    TSynMemo* memo = host_.activeEditor();
    if (!memo)
        return;
    const auto find = ReplaceDialog1->FindText();
    const std::string replace = ReplaceDialog1->ReplaceText();
    const unsigned options = ReplaceDialog1->Options();
    const auto outcome = FindReplace::replaceStep(memo->model(), queryOf(find, replace, options),
                                                  (options & FindWindowBase::frReplaceAll) != 0);
    memo->ensureCaretVisible();
    if (outcome == FindReplace::Outcome::ReplacedAll)
        DialogService::instance().showMessage(DialogService::Message::confirmation(
            fromBytes(FindReplace::replacedAllMessage(find.value_or(std::string()), replace))));
}
