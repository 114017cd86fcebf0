// The main window's preview, help and about commands.

#include "app/Unit1.h"
#include "editing/FailureHandler.h"
#include "viewing/Preview.h"
#include "viewing/SvedProg.h"

namespace varlo {

void TForm1::RzToolButton13Click() {
    guarded([&] {
        // The browser reads the file as last saved; unsaved edits are not shown.
        const QString path = ActivePath();
        if (path.isEmpty())
            ShowSaveFirst();
        else
            PreviewInBrowser(path);
    });
}

void TForm1::N3Click() {
    guarded([&] { OpenTagReference(options_.failsDir); });
}

void TForm1::N181Click() {
    // A missing readme is left to the browser to report.
    guarded([&] { PreviewInBrowser(options_.failsDir + QStringLiteral("/Readme.html")); });
}

void TForm1::J3Click() {
    guarded([&] {
        if (!Sved)
            Sved = new TSved(this);
        Sved->exec();
    });
}

} // namespace varlo
