#pragma once

// The main window: the menus, the toolbar, the page control with one editor per page, the
// status bar, the file commands, closing and quitting, the recent-files menu and the receiving
// side of the single-instance hand-off.

#include "app/HistoryMenu.h"
#include "app/TFileDialog.h"
#include "editing/EditingHost.h"
#include "editor/document/EditorTypes.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace varlo {

class HandOffServer;
class TAdvPageControl;
class TAdvTabSheet;
class TSynHTMLSyn;
class TSynMemo;
class TSved;

struct StartOptions {
    // The data folder with history.ini and handle.ini.
    QString failsDir;
    // The command-line arguments after the program's name.
    QStringList arguments;
    // Whether later starts can reach this window (the real program; tests leave it off).
    bool acceptHandOff = false;
};

class TForm1 : public QMainWindow, public EditingHost {
    Q_OBJECT
public:
    // Runs the creation step.
    explicit TForm1(StartOptions options, QWidget* parent = nullptr);
    ~TForm1() override;

    // --- Program-wide state
    QStringList PathList;
    int NextPageNumber = 0;
    bool SkipTitleUpdate = false;
    QString CurrentFileName;

    // --- Controls
    QMenu* N_File = nullptr; // "Файл"
    QMenu* N1 = nullptr;     // "Правка"
    QMenu* N_Insert = nullptr;
    QMenu* N_Html = nullptr;
    QMenu* N_Service = nullptr;
    QMenu* N_Help = nullptr;
    QAction* N5 = nullptr;   // Новый
    QAction* N8 = nullptr;   // Открыть...
    QAction* N6 = nullptr;   // Сохранить...
    QAction* N7 = nullptr;   // Сохранить как...
    QAction* N180 = nullptr; // Закрыть всё
    QAction* N179 = nullptr; // Закрыть всё, кроме активного
    QAction* N178 = nullptr; // Закрыть всё, не сохраняя...
    QMenu* N185 = nullptr;   // История
    QAction* N10 = nullptr;  // Выход
    QMenu* PopupMenu1 = nullptr;
    QToolBar* RzToolbar1 = nullptr;
    QLabel* RzStatusPane[5] = {};
    TAdvPageControl* AdvPageControl1 = nullptr;
    TAdvTabSheet* AdvTabSheet1 = nullptr;
    TSynMemo* SynMemo1 = nullptr;
    TFileDialog OpenDialog1;
    TFileDialog SaveDialog1;
    TFileDialog OpenDM;

    // The window title as the program sets it (Qt's title shows it verbatim).
    QString Title() const { return title_; }
    HistoryMenu& History() { return *history_; }

    // --- Pages
    void NewPage();
    TSynMemo* ActiveEditor() const;
    // The PathList entry of the active page.
    QString ActivePath() const;
    void AdvPageControl1Change();
    // After the close button's request has taken its page out.
    void AdvPageControl1Closed();

    // --- Files
    void OpenDocument();
    // True when the page was written; false when the user cancelled the Save dialog or the
    // write failed (reported).
    bool SaveDocument();
    void N5Click();
    void N8Click();
    void N6Click();
    void N7Click();

    // --- Closing
    enum class CloseResult { GoOn, Cancelled, LastPageKept };
    void AdvTabSheet1CanClose(bool& canClose);
    CloseResult ClosePageAt(int position);
    void N180Click();
    void N179Click();
    void N178Click();
    void N10Click();

    // --- Recent files
    void PushHistory();
    void NclickM(const QString& path);

    // --- Status bar
    void UpdateTextStats();
    void UpdateSelectionStats();
    void SynMemo1Change();
    void SynMemo1KeyUp();
    void SynMemo1MouseCursor();

    // --- Preview, help and about
    void RzToolButton13Click();
    void N3Click();
    void N181Click();
    void J3Click();
    // The about window, made on its first use and kept.
    TSved* Sved = nullptr;

    // --- Hand-off messages and bringing the window to the front
    void WMBringToFront();
    void WMCopyData(const QString& path);
    void ForceForeground();
    // The longest path that a hand-off may carry.
    static constexpr int kMaxHandOffPath = 255;

    // --- EditingHost
    TSynMemo* activeEditor() override { return ActiveEditor(); }
    QWidget* mainWindow() override { return this; }
    QMenu* editMenu() override { return N1; }
    QMenu* insertMenu() override { return N_Insert; }
    QMenu* htmlMenu() override { return N_Html; }
    QMenu* popupMenu() override { return PopupMenu1; }
    QToolBar* toolBar() override { return RzToolbar1; }
    QAction* toolBarSlot(ToolBarGroup group) override;
    bool hasElementDialog(ElementDialog) override { return false; }
    void openElementDialog(ElementDialog) override {}
    std::optional<QString> executeOpenDM(const QString& filter, const QString& title) override;
    void showModifiedInStatusBar() override;

    // The file name of a path: what follows its last "/".
    static QString fileNameOf(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    // The quit sequence; false when the user cancelled it.
    bool FormClose();

    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createPageControl();
    void finishEditingButtons();
    void configureEditor(TSynMemo* editor, bool designed);
    void hookEditor(TSynMemo* editor);
    TAdvTabSheet* makePage(const QString& caption);
    void setTitle(const QString& title);
    void setPane(int pane, const QString& text);
    void visitPage(int position);
    void destroyActivePage();
    bool activePageModified() const;
    QString savePrompt(const TAdvTabSheet* page) const;
    // The save prompt for the active page: Yes, No or Cancel.
    unsigned askToSave();
    void writeActiveEditor(const QString& path);
    bool saveUnderChosenName();
    void readInto(TSynMemo* editor, const QString& path);
    void writeHandle(qint64 handle);
    QString iniPath(const char* name) const;

    StartOptions options_;
    QString title_;
    std::unique_ptr<TSynHTMLSyn> SynHTMLSyn1;
    std::unique_ptr<HistoryMenu> history_;
    HandOffServer* handOff_ = nullptr;
    QAction* undoRedoSlot_ = nullptr;
    QAction* tagsSlot_ = nullptr;
    bool shown_ = false;
};

} // namespace varlo
