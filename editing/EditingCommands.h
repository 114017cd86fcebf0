#pragma once

// The one handler behind every row of the command catalogue, and the find and replace windows
// it drives. installEditingCommands() creates it as a child of the main window.

#include "editing/CommandCatalogue.h"
#include "editing/EditingHost.h"
#include "editor/base/TColor.h"

#include <QObject>

#include <string>

class QDateTime;
class TFindDialog;
class TReplaceDialog;

class EditingCommands : public QObject {
    Q_OBJECT
public:
    explicit EditingCommands(EditingHost& host);

    // Runs the row's command on ActiveEditor (nothing without a page).
    void run(const CommandCatalogue::CommandRow& row);

    // '05.03.2024 год. Время - 14:07:09 ' with the given time separator, in Windows-1251.
    static std::string dateTimeText(const QDateTime& when, QChar timeSeparator);
    // The system's time separator, read from the locale's time format.
    static QChar systemTimeSeparator();

    TFindDialog* FindDialog1 = nullptr;
    TReplaceDialog* ReplaceDialog1 = nullptr;

private:
    void buildMenu(QMenu* menu, std::span<const CommandCatalogue::CommandRow> rows);
    void buildToolBar();
    void runCommand(const CommandCatalogue::CommandRow& row);
    void insertColor();
    void insertImage();
    void openFindWindow(bool replace);
    void FindDialog1Find();
    void ReplaceDialog1Find();
    void ReplaceDialog1Replace();

    EditingHost& host_;
    // ColorDialog1 keeps the colour chosen last (black at first).
    varlo::TColor lastColor_ = varlo::clBlack;
    QList<QKeySequence> registeredShortcuts_;
};
