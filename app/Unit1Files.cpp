// The file commands of the main window: New, Open, Save, Save as, OpenDocument and SaveDocument,
// and the recent-files entries.

#include "app/DocumentFile.h"
#include "app/TAdvPageControl.h"
#include "app/TAdvTabSheet.h"
#include "app/Unit1.h"
#include "editing/FailureHandler.h"
#include "editor/widget/TSynMemo.h"

#include <QTimer>

namespace varlo {

void TForm1::writeActiveEditor(const QString& path) {
    DocumentFile::write(path, ActiveEditor()->model());
}

void TForm1::readInto(TSynMemo* editor, const QString& path) {
    // Every appended line tells the editor to repaint; one repaint after the last line does.
    struct Quiet {
        QWidget* w;
        ~Quiet() {
            w->setUpdatesEnabled(true);
            w->update();
        }
    } quiet{editor};
    editor->setUpdatesEnabled(false);
    DocumentFile::read(path, editor->model());
}

void TForm1::loadFile(TAdvTabSheet* page, const QString& path) {
    try {
        readInto(page->editor(), path);
    } catch (...) {
        // The lines read before the failure go again: the page was empty before.
        page->editor()->model().setText({});
        throw;
    }
    rememberDiskState(page, path);
}

void TForm1::rememberDiskState(TAdvTabSheet* page, const QString& path) {
    page->DiskState = FileIdentity::of(path);
    page->SeenState = page->DiskState;
}

void TForm1::OpenDocument() {
    guarded([&] {
        TAdvTabSheet* holder = nullptr;
        int holderNumber = 0;
        for (int i = 0; i < AdvPageControl1->PageCount(); ++i) {
            TSynMemo* e = AdvPageControl1->Page(i)->editor();
            const int n = e->Tag();
            if (n >= 1 && n <= PathList.size() && PathList[n - 1] == CurrentFileName &&
                n > holderNumber) {
                holder = AdvPageControl1->Page(i);
                holderNumber = n;
            }
        }
        if (holder) {
            AdvPageControl1->setActivePage(holder);
            setTitle(QStringLiteral("Varlo - ") + holder->Caption());
            // The page may show an older state of its file than the disk holds now.
            QTimer::singleShot(0, this, [this] { CheckFilesOnDisk(); });
        } else {
            // A file that cannot be read changes nothing: no page is made or renamed for it.
            DocumentFile::checkReadable(CurrentFileName);
            TAdvTabSheet* before = AdvPageControl1->ActivePage();
            const QString oldTitle = title_;
            const QString oldCaption = before->Caption();
            const bool makePage = !ActivePath().isEmpty() || ActiveEditor()->model().isModified();
            if (makePage)
                NewPage();
            TAdvTabSheet* target = AdvPageControl1->ActivePage();
            const QString name = fileNameOf(CurrentFileName);
            setTitle(QStringLiteral("Varlo - ") + name);
            target->setCaption(name + QLatin1Char(' '));
            try {
                loadFile(target, CurrentFileName);
            } catch (...) {
                if (makePage) {
                    AdvPageControl1->destroyPage(target);
                    AdvPageControl1->setActivePage(before);
                } else {
                    target->setCaption(oldCaption);
                }
                setTitle(oldTitle);
                UpdateTextStats();
                UpdateSelectionStats();
                focusActiveEditor();
                throw;
            }
            PathList[ActiveEditor()->Tag() - 1] = CurrentFileName;
        }
        PushHistory();
        UpdateTextStats();
        UpdateSelectionStats();
    });
}

bool TForm1::SaveDocument() {
    bool saved = false;
    guarded([&] {
        const QString path = ActivePath();
        if (!path.isEmpty()) {
            if (!mayOverwrite(AdvPageControl1->ActivePage(), path))
                return;
            writeActiveEditor(path);
            rememberDiskState(AdvPageControl1->ActivePage(), path);
            ActiveEditor()->model().setModified(false);
            SaveDialog1.FileName.clear();
            saved = true;
            return;
        }
        saved = saveUnderChosenName();
    });
    return saved;
}

void TForm1::N5Click() {
    guarded([&] {
        NewPage();
        OpenDialog1.FileName.clear();
        SaveDialog1.FileName.clear();
        UpdateTextStats();
        UpdateSelectionStats();
    });
}

void TForm1::N8Click() {
    guarded([&] {
        const std::optional<QString> chosen = OpenDialog1.Execute(this);
        if (chosen) {
            CurrentFileName = *chosen;
            OpenDocument();
        }
        OpenDialog1.FileName.clear();
    });
}

void TForm1::N6Click() {
    guarded([&] {
        SaveDocument();
        setPane(5, ActiveEditor()->model().isModified() ? QStringLiteral("изменено") : QString());
    });
}

void TForm1::N7Click() {
    guarded([&] {
        if (!saveUnderChosenName())
            return;
        setPane(5, ActiveEditor()->model().isModified() ? QStringLiteral("изменено") : QString());
    });
}

// Asks for a name in the save dialog and saves the active page under it; false when the user
// cancelled. A failure to write throws, with the page left as it was.
bool TForm1::saveUnderChosenName() {
    const std::optional<QString> chosen = SaveDialog1.Execute(this);
    if (!chosen)
        return false;
    CurrentFileName = *chosen;
    writeActiveEditor(CurrentFileName);
    rememberDiskState(AdvPageControl1->ActivePage(), CurrentFileName);
    SaveDialog1.FileName.clear();
    const QString name = fileNameOf(CurrentFileName);
    setTitle(QStringLiteral("Varlo - ") + name);
    AdvPageControl1->ActivePage()->setCaption(name + QLatin1Char(' '));
    ActiveEditor()->model().setModified(false);
    PathList[ActiveEditor()->Tag() - 1] = CurrentFileName;
    return true;
}

// The file changed on disk since the page read or wrote it (a file that is gone is simply
// written anew): the user decides whether the page's text replaces the other program's.
bool TForm1::mayOverwrite(TAdvTabSheet* page, const QString& path) {
    const FileIdentity now = FileIdentity::of(path);
    if (!page->DiskState || !now.exists || now == *page->DiskState)
        return true;
    const unsigned answer = Vspom::CenteredMessage(
        QStringLiteral("Файл \"%1\" изменён на диске другой программой.\rЗаписать поверх него "
                       "текст страницы? Изменения другой программы будут потеряны.")
            .arg(path),
        Vspom::MsgKind::Confirmation, Vspom::mbYes | Vspom::mbCancel);
    page->SeenState = now;
    return answer == Vspom::mbYes;
}

void TForm1::CheckFilesOnDisk() {
    // The questions below activate the window again when they close.
    if (checkingFiles_)
        return;
    checkingFiles_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{checkingFiles_};
    for (int i = 0; i < AdvPageControl1->PageCount(); ++i) {
        TAdvTabSheet* page = AdvPageControl1->Page(i);
        const int n = page->editor()->Tag();
        if (!page->SeenState || n < 1 || n > PathList.size() || PathList[n - 1].isEmpty())
            continue;
        const QString path = PathList[n - 1];
        const FileIdentity now = FileIdentity::of(path);
        if (now == *page->SeenState)
            continue;
        page->SeenState = now;
        if (!now.exists) {
            Vspom::CenteredMessage(QStringLiteral("Файл \"%1\" удалён с диска.\rТекст остаётся "
                                                  "на странице; сохранение создаст файл заново.")
                                       .arg(path),
                                   Vspom::MsgKind::Warning, Vspom::mbOK);
            continue;
        }
        if (page->editor()->model().isModified()) {
            Vspom::CenteredMessage(
                QStringLiteral("Файл \"%1\" изменён на диске другой программой.\rНесохранённый "
                               "текст страницы остаётся как есть.")
                    .arg(path),
                Vspom::MsgKind::Warning, Vspom::mbOK);
            continue;
        }
        if (Vspom::CenteredMessage(
                QStringLiteral("Файл \"%1\" изменён на диске другой программой.\rЗагрузить его "
                               "заново?")
                    .arg(path),
                Vspom::MsgKind::Confirmation, Vspom::mbYes | Vspom::mbNo) != Vspom::mbYes)
            continue;
        guarded([&] {
            page->editor()->model().setText({});
            loadFile(page, path);
            if (page == AdvPageControl1->ActivePage()) {
                UpdateTextStats();
                UpdateSelectionStats();
            }
        });
    }
}

void TForm1::PushHistory() {
    history_->PushHistory(CurrentFileName);
}

void TForm1::NclickM(const QString& path) {
    CurrentFileName = path;
    OpenDocument();
}

} // namespace varlo
