// Closing pages and quitting. Every path that would throw away unsaved changes asks first; a page
// whose save was cancelled or failed after "Yes" stays open and stops the operation, as Cancel
// does, so no answer loses changes that were meant to be kept.

#include "app/IniFile.h"
#include "app/SingleInstance.h"
#include "app/TAdvPageControl.h"
#include "app/TAdvTabSheet.h"
#include "app/Unit1.h"
#include "editing/FailureHandler.h"
#include "editor/widget/TSynMemo.h"

#include <QCloseEvent>

namespace varlo {

bool TForm1::activePageModified() const {
    TSynMemo* e = ActiveEditor();
    return e && e->model().isModified();
}

QString TForm1::savePrompt(const TAdvTabSheet* page) const {
    return QStringLiteral("Сохранить файл \"") + page->Caption() + QStringLiteral("\"?");
}

unsigned TForm1::askToSave() {
    return Vspom::CenteredMessage(savePrompt(AdvPageControl1->ActivePage()),
                                  Vspom::MsgKind::Confirmation,
                                  Vspom::mbYes | Vspom::mbNo | Vspom::mbCancel);
}

void TForm1::visitPage(int position) {
    AdvPageControl1->setActivePageIndex(position);
    UpdateTextStats();
    UpdateSelectionStats();
    setTitle(QStringLiteral("Varlo - ") + AdvPageControl1->ActivePage()->Caption());
}

void TForm1::destroyActivePage() {
    AdvPageControl1->destroyPage(AdvPageControl1->ActivePage());
}

void TForm1::AdvTabSheet1CanClose(bool& canClose) {
    bool cancelled = false;
    const bool only = AdvPageControl1->PageCount() == 1;
    if (activePageModified()) {
        switch (askToSave()) {
        case Vspom::mbNo:
            if (only) {
                NewPage();
                SkipTitleUpdate = true;
            }
            break;
        case Vspom::mbYes:
            if (!SaveDocument()) {
                canClose = false;
                cancelled = true;
                break;
            }
            if (only) {
                NewPage();
                SkipTitleUpdate = true;
            }
            break;
        default:
            canClose = false;
            cancelled = true;
            break;
        }
    }
    if (AdvPageControl1->PageCount() == 1 && !cancelled)
        canClose = false;
}

TForm1::CloseResult TForm1::ClosePageAt(int position) {
    (void)position; // the caller has made that page the active one
    if (activePageModified()) {
        switch (askToSave()) {
        case Vspom::mbNo:
            destroyActivePage();
            return CloseResult::GoOn;
        case Vspom::mbYes:
            if (!SaveDocument())
                return CloseResult::Cancelled;
            destroyActivePage();
            return CloseResult::GoOn;
        default:
            return CloseResult::Cancelled;
        }
    }
    if (AdvPageControl1->PageCount() == 1)
        return CloseResult::LastPageKept;
    destroyActivePage();
    return CloseResult::GoOn;
}

void TForm1::N180Click() {
    guarded([&] {
        for (int i = AdvPageControl1->PageCount() - 1; i >= 0; --i) {
            visitPage(i);
            if (ClosePageAt(i) != CloseResult::GoOn)
                return;
        }
        NewPage();
    });
}

void TForm1::N179Click() {
    guarded([&] {
        const int kept = AdvPageControl1->ActivePageIndex();
        for (int i = AdvPageControl1->PageCount() - 1; i >= 0; --i) {
            visitPage(i);
            if (i == kept)
                continue;
            if (activePageModified()) {
                const unsigned answer = askToSave();
                if (answer == Vspom::mbYes) {
                    if (!SaveDocument())
                        return;
                } else if (answer != Vspom::mbNo) {
                    return;
                }
            }
            destroyActivePage();
        }
        setTitle(QStringLiteral("Varlo - ") + AdvPageControl1->ActivePage()->Caption());
    });
}

void TForm1::N178Click() {
    guarded([&] {
        if (Vspom::CenteredMessage(QStringLiteral("Закрыть все файлы не сохраняя?"),
                                   Vspom::MsgKind::Confirmation,
                                   Vspom::mbYes | Vspom::mbNo) != Vspom::mbYes)
            return;
        for (int i = AdvPageControl1->PageCount() - 1; i >= 0; --i) {
            visitPage(i);
            TAdvTabSheet* doomed = AdvPageControl1->Page(i);
            if (AdvPageControl1->PageCount() == 1) {
                if (!activePageModified())
                    return;
                NewPage();
            }
            AdvPageControl1->destroyPage(doomed);
        }
    });
}

void TForm1::N10Click() {
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool TForm1::FormClose() {
    bool cancelled = false;
    guarded([&] {
        for (int i = AdvPageControl1->PageCount() - 1; i >= 0; --i) {
            visitPage(i);
            if (activePageModified()) {
                const unsigned answer = askToSave();
                if (answer == Vspom::mbYes) {
                    if (!SaveDocument()) {
                        cancelled = true;
                        return;
                    }
                } else if (answer != Vspom::mbNo) {
                    cancelled = true;
                    return;
                }
            }
            destroyActivePage();
        }
        IniFile history(iniPath("history.ini"));
        if (history.exists())
            history_->write(history);
        writeHandle(0);
        if (handOff_)
            handOff_->close();
    });
    return !cancelled;
}

} // namespace varlo
