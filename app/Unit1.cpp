#include "app/Unit1.h"

#include "app/DocumentFile.h"
#include "app/IniFile.h"
#include "app/SingleInstance.h"
#include "app/TAdvPageControl.h"
#include "app/TAdvTabSheet.h"
#include "app/ToolbarImages.h"
#include "editing/FailureHandler.h"
#include "editor/highlight/TSynHTMLSyn.h"
#include "editor/widget/SystemColors.h"
#include "editor/widget/TSynMemo.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace varlo {

namespace {

constexpr char kProgram[] = "Program";
constexpr char kHandle[] = "Handle";

QString page(int n) {
    return QStringLiteral("страница %1 ").arg(n);
}

// Items of commands that later work builds: present, disabled.
struct PlaceholderItem {
    const char* name;
    const char* caption;
    const char* shortcut;
};
constexpr PlaceholderItem kServiceItems[] = {
    {"N187", "Подсветка кода...", ""},
};
struct HelpItem {
    const char* name;
    const char* caption;
    void (TForm1::*handler)();
};
constexpr HelpItem kHelpItems[] = {
    {"N3", "Справочник по тегам...", &TForm1::N3Click},
    {"N181", "Readme...", &TForm1::N181Click},
    {"J3", "О программе...", &TForm1::J3Click},
};

struct ToolRow {
    const char* name;
    int image;
    const char* hint;
};
// The toolbar's own buttons; the separators and the editing groups go between them.
constexpr ToolRow kFileButtons[] = {
    {"RzToolButton1", 0, "Новый файл"}, {"RzToolButton2", 1, "Открыть"},
    {"RzToolButton3", 2, "Сохранить"},  {"RzToolButton4", 3, "Сохранить как"},
    {"RzToolButton5", 4, "Выход"},
};
constexpr ToolRow kPreviewButton = {"RzToolButton13", 13,
                                    "Просмотреть в браузере. Для этого сначла надо сохранить"};
constexpr ToolRow kHighlighterButton = {"RzToolButton14", 14, "Подсветка кода"};

} // namespace

TForm1::TForm1(StartOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)),
      SynHTMLSyn1(std::make_unique<TSynHTMLSyn>()) {
    setObjectName(QStringLiteral("Form1"));
    move(256, 182);
    resize(711, 481);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    TSynHTMLSyn::applyProgramColours(*SynHTMLSyn1);
    OpenDialog1.kind = TFileDialog::Kind::Open;
    OpenDialog1.Filter = QStringLiteral(
        "Веб страница (*.html, *.htm)|*.html; *.htm|Текстовые файлы (*.txt)|*.txt|PHP "
        "(*.php)|*.php|CSS (*.css)|*.css|JavaScript (*.js)|*.js|Все файлы|*.*");
    SaveDialog1.kind = TFileDialog::Kind::Save;
    SaveDialog1.Filter =
        QStringLiteral("Веб страница (*.html)|.html|Веб страница (*.htm)|.htm|Текстовые файлы "
                       "(*.txt)|.txt|PHP (*.php)|.php|CSS (*.css)|.css|JavaScript (*.js)|.js");
    SaveDialog1.DefaultExt = QStringLiteral("1");
    SaveDialog1.OverwritePrompt = true;
    OpenDM.kind = TFileDialog::Kind::Open;

    createMenus();
    createToolBar();
    createStatusBar();
    createPageControl();
    installEditingCommands(*this);
    finishEditingButtons();
    FormCreate();
}

TForm1::~TForm1() {
    // The editors use the highlighter and the menus that this window owns: they go first.
    delete AdvPageControl1;
    AdvPageControl1 = nullptr;
}

void TForm1::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    N_File = bar->addMenu(QStringLiteral("Файл"));
    N_File->setObjectName(QStringLiteral("N_File"));
    N1 = bar->addMenu(QStringLiteral("Правка"));
    N1->setObjectName(QStringLiteral("N1"));
    N_Insert = bar->addMenu(QStringLiteral("Вставить"));
    N_Insert->setObjectName(QStringLiteral("N_Insert"));
    N_Html = bar->addMenu(QStringLiteral("HTML"));
    N_Html->setObjectName(QStringLiteral("N_Html"));
    N_Service = bar->addMenu(QStringLiteral("Сервис"));
    N_Service->setObjectName(QStringLiteral("N_Service"));
    N_Help = bar->addMenu(QStringLiteral("Справка"));
    N_Help->setObjectName(QStringLiteral("N_Help"));

    auto item = [this](const char* name, const QString& caption, const QKeySequence& keys,
                       void (TForm1::*handler)()) {
        QAction* a = N_File->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    N5 = item("N5", QStringLiteral("Новый"), QKeySequence(Qt::CTRL | Qt::Key_N), &TForm1::N5Click);
    N8 = item("N8", QStringLiteral("Открыть..."), QKeySequence(Qt::CTRL | Qt::Key_O),
              &TForm1::N8Click);
    N6 = item("N6", QStringLiteral("Сохранить..."), QKeySequence(Qt::CTRL | Qt::Key_S),
              &TForm1::N6Click);
    N7 = item("N7", QStringLiteral("Сохранить как..."),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &TForm1::N7Click);
    N_File->addSeparator();
    N180 = item("N180", QStringLiteral("Закрыть всё"), {}, &TForm1::N180Click);
    N179 = item("N179", QStringLiteral("Закрыть всё, кроме активного"), {}, &TForm1::N179Click);
    N178 = item("N178", QStringLiteral("Закрыть всё, не сохраняя..."), {}, &TForm1::N178Click);
    N_File->addSeparator();
    N185 = N_File->addMenu(QStringLiteral("История"));
    N185->setObjectName(QStringLiteral("N185"));
    N185->menuAction()->setObjectName(QStringLiteral("N185"));
    N_File->addSeparator();
    N10 =
        item("N10", QStringLiteral("Выход"), QKeySequence(Qt::ALT | Qt::Key_X), &TForm1::N10Click);

    history_ = std::make_unique<HistoryMenu>(N185);
    history_->onChosen = [this](const QString& path) { unguarded([&] { NclickM(path); }); };

    auto placeholders = [](QMenu* menu, const auto& rows) {
        for (const PlaceholderItem& row : rows) {
            QAction* a = menu->addAction(QString::fromUtf8(row.caption));
            a->setObjectName(QLatin1String(row.name));
            a->setEnabled(false);
        }
    };
    placeholders(N_Service, kServiceItems);
    for (const HelpItem& row : kHelpItems) {
        QAction* a = N_Help->addAction(QString::fromUtf8(row.caption));
        a->setObjectName(QLatin1String(row.name));
        connect(a, &QAction::triggered, this, row.handler);
    }

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
}

void TForm1::createToolBar() {
    RzToolbar1 = addToolBar(QStringLiteral("RzToolbar1"));
    RzToolbar1->setObjectName(QStringLiteral("RzToolbar1"));
    RzToolbar1->setMovable(false);
    RzToolbar1->setFloatable(false);
    RzToolbar1->setFixedHeight(29);
    RzToolbar1->setIconSize(QSize(16, 16));
    RzToolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    auto button = [this](const ToolRow& row) {
        QAction* a = RzToolbar1->addAction(ToolbarImage(row.image), QString::fromUtf8(row.hint));
        a->setObjectName(QLatin1String(row.name));
        a->setToolTip(QString::fromUtf8(row.hint));
        if (QWidget* w = RzToolbar1->widgetForAction(a))
            w->setObjectName(QLatin1String(row.name));
        return a;
    };
    void (TForm1::*fileHandlers[])() = {&TForm1::N5Click, &TForm1::N8Click, &TForm1::N6Click,
                                        &TForm1::N7Click, &TForm1::N10Click};
    for (std::size_t i = 0; i < std::size(kFileButtons); ++i)
        connect(button(kFileButtons[i]), &QAction::triggered, this, fileHandlers[i]);
    RzToolbar1->addSeparator();
    undoRedoSlot_ = RzToolbar1->addSeparator();
    tagsSlot_ = RzToolbar1->addSeparator();
    connect(button(kPreviewButton), &QAction::triggered, this, &TForm1::RzToolButton13Click);
    RzToolbar1->addSeparator();
    button(kHighlighterButton)->setEnabled(false);
}

void TForm1::finishEditingButtons() {
    // The editing commands bring their buttons; the pictures are the toolbar's.
    static constexpr struct {
        const char* name;
        int image;
    } kImages[] = {{"RzToolButton6", 5},  {"RzToolButton7", 6},  {"RzToolButton8", 7},
                   {"RzToolButton9", 8},  {"RzToolButton10", 9}, {"RzToolButton11", 10},
                   {"RzToolButton12", 12}};
    for (QAction* a : RzToolbar1->actions()) {
        QWidget* w = RzToolbar1->widgetForAction(a);
        for (const auto& row : kImages) {
            const QLatin1String name(row.name);
            if (a->objectName() != name && !(w && w->objectName() == name))
                continue;
            if (a->icon().isNull())
                a->setIcon(ToolbarImage(row.image));
            if (auto* b = qobject_cast<QToolButton*>(w))
                b->setToolButtonStyle(Qt::ToolButtonIconOnly);
            // The line-break button stands apart from the four text-style buttons.
            if (row.image == 12) {
                const QList<QAction*> all = RzToolbar1->actions();
                const qsizetype i = all.indexOf(a);
                if (i > 0 && !all[i - 1]->isSeparator())
                    RzToolbar1->insertSeparator(a);
            }
        }
    }
}

QAction* TForm1::toolBarSlot(ToolBarGroup group) {
    return group == ToolBarGroup::UndoRedo ? undoRedoSlot_ : tagsSlot_;
}

void TForm1::createStatusBar() {
    static constexpr int kWidths[5] = {145, 169, 139, 158, 66};
    static const char* const kDesigned[5] = {"Всего символов ", "Выделеные символы",
                                             "Количество строк", "Символов на строке", ""};
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("RzStatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(19);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));
    for (int i = 0; i < 5; ++i) {
        auto* pane = new QLabel(QString::fromUtf8(kDesigned[i]), bar);
        pane->setObjectName(QStringLiteral("RzStatusPane%1").arg(i + 1));
        pane->setTextFormat(Qt::PlainText);
        pane->setFixedSize(kWidths[i], 19);
        RzStatusPane[i] = pane;
        bar->addWidget(pane);
    }
    QPalette p = RzStatusPane[4]->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    RzStatusPane[4]->setPalette(p);
    RzStatusPane[4]->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
}

void TForm1::createPageControl() {
    AdvPageControl1 = new TAdvPageControl(this);
    AdvPageControl1->setObjectName(QStringLiteral("AdvPageControl1"));
    AdvPageControl1->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    // The active tab in Tahoma on a gradient from the inactive caption text colour to sky blue,
    // the tab row on the button face.
    AdvPageControl1->setStyleSheet(
        QStringLiteral("QTabBar { background: %1; }"
                       "QTabBar::tab { padding: 3px 6px; border: 1px solid %2;"
                       " border-bottom: none; background: %1; margin-right: 0px; }"
                       "QTabBar::tab:selected { font-family: Tahoma; font-size: 11px;"
                       " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 %3, stop:1 #A6CAF0); }")
            .arg(toQColor(clBtnFace).name(), toQColor(clBtnShadow).name(),
                 toQColor(clInactiveCaptionText).name()));
    AdvPageControl1->OnChange = [this] { unguarded([&] { AdvPageControl1Change(); }); };
    AdvPageControl1->OnClosed = [this] { unguarded([&] { AdvPageControl1Closed(); }); };
    setCentralWidget(AdvPageControl1);

    AdvTabSheet1 = makePage(page(1));
    AdvTabSheet1->setObjectName(QStringLiteral("AdvTabSheet1"));
    SynMemo1 = new TSynMemo;
    SynMemo1->setObjectName(QStringLiteral("SynMemo1"));
    AdvTabSheet1->placeEditor(SynMemo1);
    configureEditor(SynMemo1, true);
    SynMemo1->setTag(1);
    hookEditor(SynMemo1);
}

TAdvTabSheet* TForm1::makePage(const QString& caption) {
    auto* sheet = new TAdvTabSheet;
    sheet->setCaption(caption);
    sheet->OnCanClose = [this](bool& canClose) {
        unguarded([&] { AdvTabSheet1CanClose(canClose); });
    };
    AdvPageControl1->addPage(sheet);
    return sheet;
}

void TForm1::configureEditor(TSynMemo* editor, bool designed) {
    editor->setColor(designed ? 16119285 : 16382457);
    editor->setActiveLineColor(16772573);
    if (designed) {
        QFont f(QStringLiteral("Courier New"));
        f.setPixelSize(13);
        editor->setFont(f);
    }
    editor->setHighlighter(SynHTMLSyn1.get());
    editor->setPopupMenu(PopupMenu1);
    editor->setSelectedColor(clHighlight);
    editor->setTabWidth(8);
    editor->setWantReturns(true);
    editor->setWantTabs(true);
    editor->setFocusPolicy(Qt::StrongFocus);
    TSynGutter g = editor->Gutter();
    g.ShowLineNumbers = true;
    g.BorderColor = clMenuHighlight;
    g.Gradient = true;
    g.GradientStartColor = clInactiveCaptionText;
    g.GradientEndColor = 15780518;
    QFont gutterFont(QStringLiteral("Courier New"));
    gutterFont.setPixelSize(11);
    g.Font = gutterFont;
    editor->setGutter(g);
}

void TForm1::hookEditor(TSynMemo* editor) {
    connect(editor, &TSynMemo::OnChange, this, [this] { unguarded([&] { SynMemo1Change(); }); });
    connect(editor, &TSynMemo::OnKeyUp, this, [this] { unguarded([&] { SynMemo1KeyUp(); }); });
    connect(editor, &TSynMemo::OnMouseCursor, this,
            [this] { unguarded([&] { SynMemo1MouseCursor(); }); });
}

QString TForm1::iniPath(const char* name) const {
    return options_.failsDir + QLatin1Char('/') + QLatin1String(name);
}

void TForm1::setTitle(const QString& title) {
    title_ = title;
    // "[*]" is Qt's placeholder for the modified mark; doubled it shows as it is.
    QString shown = title;
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(shown);
}

QString TForm1::fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

void TForm1::FormCreate() {
    guarded([&] {
        PathList.clear();
        PathList << QString();
        setTitle(QStringLiteral("Varlo - страница 1"));
        UpdateTextStats();
        UpdateSelectionStats();
        NextPageNumber = 1;
        SkipTitleUpdate = false;
        IniFile history(iniPath("history.ini"));
        history_->load(history);
        if (!options_.arguments.isEmpty()) {
            const QString arg = options_.arguments.constFirst();
            if (QFileInfo(arg).isFile()) {
                // Kept absolute, so that the page saves, and the history reopens, the same file
                // whatever folder a later command runs in.
                CurrentFileName = QFileInfo(arg).absoluteFilePath();
                const QString name = fileNameOf(CurrentFileName);
                setTitle(QStringLiteral("Varlo - ") + name);
                AdvTabSheet1->setCaption(name + QLatin1Char(' '));
                readInto(SynMemo1, CurrentFileName);
                PathList[SynMemo1->Tag() - 1] = CurrentFileName;
                PushHistory();
                UpdateTextStats();
                UpdateSelectionStats();
            }
        }
        const qint64 handle = static_cast<qint64>(winId());
        if (options_.acceptHandOff) {
            handOff_ = new HandOffServer(this);
            handOff_->onBringToFront = [this] { WMBringToFront(); };
            handOff_->onOpen = [this](const QString& path) { WMCopyData(path); };
            if (!handOff_->listen(handle))
                throw std::runtime_error("cannot listen for later starts");
        }
        writeHandle(handle);
    });
}

void TForm1::writeHandle(qint64 handle) {
    IniFile ini(iniPath("handle.ini"));
    ini.writeInteger(kProgram, kHandle, handle);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    TSynMemo* editor = ActiveEditor();
    if (editor && editor->isEnabled() && editor->focusPolicy() != Qt::NoFocus)
        editor->setFocus();
}

void TForm1::WMBringToFront() {
    guarded([&] { ForceForeground(); });
}

void TForm1::WMCopyData(const QString& path) {
    guarded([&] {
        ForceForeground();
        // A path that does not fit is refused whole rather than cut into the name of another
        // file.
        if (path.size() > kMaxHandOffPath)
            throw std::length_error("hand-off path too long");
        CurrentFileName = path;
        OpenDocument();
    });
}

void TForm1::ForceForeground() {
    guarded([&] {
        if (isMinimized())
            showNormal();
        raise();
        activateWindow();
    });
}

std::optional<QString> TForm1::executeOpenDM(const QString& filter, const QString& title) {
    OpenDM.Filter = filter;
    OpenDM.Title = title;
    return OpenDM.Execute(this);
}

void TForm1::showModifiedInStatusBar() {
    setPane(5, QStringLiteral("изменено"));
}

void TForm1::setPane(int pane, const QString& text) {
    RzStatusPane[pane - 1]->setText(text);
}

// --- Status bar

void TForm1::UpdateTextStats() {
    TSynMemo* e = ActiveEditor();
    if (!e)
        throw std::logic_error("no active page");
    const EditorModel& m = e->model();
    setPane(1, QStringLiteral("Всего символов  %1  ").arg(m.textLength()));
    setPane(3, QStringLiteral("Количество строк  %1  ").arg(m.lineCount()));
    setPane(5, m.isModified() ? QStringLiteral("изменено") : QString());
}

void TForm1::UpdateSelectionStats() {
    TSynMemo* e = ActiveEditor();
    if (!e)
        throw std::logic_error("no active page");
    const EditorModel& m = e->model();
    const int caretLine = m.caret().line;
    const int onLine =
        caretLine >= 1 && caretLine <= m.lineCount() ? m.lineLength(caretLine - 1) : 0;
    setPane(2, QStringLiteral("Выделеные символы  %1  ").arg(m.selectionLength()));
    setPane(4, QStringLiteral("Символов на строке  %1  ").arg(onLine));
}

void TForm1::SynMemo1Change() {
    UpdateSelectionStats();
    UpdateTextStats();
}

void TForm1::SynMemo1KeyUp() {
    UpdateSelectionStats();
}

void TForm1::SynMemo1MouseCursor() {
    UpdateSelectionStats();
}

// --- Pages

TSynMemo* TForm1::ActiveEditor() const {
    TAdvTabSheet* p = AdvPageControl1 ? AdvPageControl1->ActivePage() : nullptr;
    return p ? p->editor() : nullptr;
}

QString TForm1::ActivePath() const {
    TSynMemo* e = ActiveEditor();
    if (!e || e->Tag() < 1 || e->Tag() > PathList.size())
        return {};
    return PathList[e->Tag() - 1];
}

void TForm1::NewPage() {
    ++NextPageNumber;
    const int n = NextPageNumber;
    TAdvTabSheet* sheet = makePage(page(n));
    AdvPageControl1->setActivePage(sheet);
    auto* editor = new TSynMemo;
    editor->setObjectName(QStringLiteral("SynMemo%1").arg(n));
    sheet->placeEditor(editor);
    editor->model().setText({});
    configureEditor(editor, false);
    editor->setFocus();
    editor->setTag(n);
    hookEditor(editor);
    PathList << QString();
    setTitle(QStringLiteral("Varlo - страница %1").arg(n));
    setPane(5, QString());
}

void TForm1::AdvPageControl1Closed() {
    // The page-change handling of the close request ran for the page that was noted before the
    // close; when a replacement page was made, that is the closed page itself, which took the
    // focus and the status bar with it. Both follow the page that is active now.
    if (TSynMemo* e = ActiveEditor()) {
        e->setFocus();
        UpdateTextStats();
        UpdateSelectionStats();
    }
}

void TForm1::AdvPageControl1Change() {
    if (TSynMemo* e = ActiveEditor())
        e->setFocus();
    UpdateTextStats();
    UpdateSelectionStats();
    if (!SkipTitleUpdate)
        setTitle(QStringLiteral("Varlo - ") + AdvPageControl1->ActivePage()->Caption());
    SkipTitleUpdate = false;
}

} // namespace varlo
