#pragma once

// Which element dialogs this build has, and how each is made. The main window makes a dialog on
// its first use, keeps it and opens the same window for every later use.

#include "dialogs/ElementDialogFrame.h"
#include "editing/EditingHost.h"

namespace ElementDialogs {

bool Exists(ElementDialog dialog);
// A new dialog owned by `owner`; nullptr for a dialog that Exists() denies.
ElementDialogFrame* Create(ElementDialog dialog, QWidget* owner,
                           ElementDialogFrame::EditorSource editor);

} // namespace ElementDialogs
