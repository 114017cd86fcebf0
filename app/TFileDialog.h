#pragma once

#include "editing/DialogService.h"

#include <QString>

#include <optional>

class QWidget;

namespace varlo {

// A file dialog component as the main window keeps it: its filter, its default extension and the
// name it remembers between uses (which the commands clear).
struct TFileDialog {
    enum class Kind { Open, Save };

    Kind kind = Kind::Open;
    QString Title;
    QString Filter;
    QString DefaultExt;
    int FilterIndex = 0;
    bool OverwritePrompt = false;
    QString FileName;

    // Shows the dialog; on confirmation FileName holds the chosen path, which is returned.
    std::optional<QString> Execute(QWidget* parent) {
        DialogService::FileRequest r;
        r.title = Title;
        r.filter = Filter;
        r.filterIndex = FilterIndex;
        r.fileName = FileName;
        r.defaultExt = DefaultExt;
        r.overwritePrompt = OverwritePrompt;
        DialogService& d = DialogService::instance();
        auto chosen = kind == Kind::Open ? d.openFileName(parent, r) : d.saveFileName(parent, r);
        if (chosen)
            FileName = *chosen;
        return chosen;
    }
};

} // namespace varlo
