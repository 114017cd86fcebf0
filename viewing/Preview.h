#pragma once

// Looking at things outside the editor: a saved page or the readme in the user's browser, and
// the tag reference.

#include <QString>

namespace varlo {

// Starts a new, visible browser window on the path, which is passed on unchanged as one
// argument. Throws when the browser cannot be started.
void PreviewInBrowser(const QString& path);

// The MIME type of the compiled tag reference.
inline constexpr char kTagReferenceMimeType[] = "application/vnd.ms-htmlhelp";

// The tag reference of the data folder: "tags.chm" through the desktop's handler for it; where
// no handler takes that file, the HTML pages it is built from ("tags/index.html") in the
// browser. Nothing happens when "tags.chm" is not there. Throws when neither can be shown.
void OpenTagReference(const QString& failsDir);

// The box that a preview of a never-saved page shows, after the information sound.
void ShowSaveFirst();

} // namespace varlo
