// The file commands of the main window: New, Open, Save, Save as, OpenDocument and SaveDocument,
// and the recent-files entries.

#include "app/DocumentFile.h"
#include "app/TAdvPageControl.h"
#include "app/TAdvTabSheet.h"
#include "app/Unit1.h"
#include "editing/FailureHandler.h"
#include "editor/widget/TSynMemo.h"

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
        } else {
            if (!ActivePath().isEmpty() || ActiveEditor()->model().isModified())
                NewPage();
            const QString name = fileNameOf(CurrentFileName);
            setTitle(QStringLiteral("Varlo - ") + name);
            AdvPageControl1->ActivePage()->setCaption(name + QLatin1Char(' '));
            readInto(ActiveEditor(), CurrentFileName);
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
            writeActiveEditor(path);
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
    SaveDialog1.FileName.clear();
    const QString name = fileNameOf(CurrentFileName);
    setTitle(QStringLiteral("Varlo - ") + name);
    AdvPageControl1->ActivePage()->setCaption(name + QLatin1Char(' '));
    ActiveEditor()->model().setModified(false);
    PathList[ActiveEditor()->Tag() - 1] = CurrentFileName;
    return true;
}

void TForm1::PushHistory() {
    history_->PushHistory(CurrentFileName);
}

void TForm1::NclickM(const QString& path) {
    CurrentFileName = path;
    OpenDocument();
}

} // namespace varlo
