#pragma once

// The two ways a handler's failure ends. Command handlers run inside a failure handler that
// reports every failure with the fixed error box (Vspom::ReportError) and skips the handler's
// remaining steps; the few handlers without one leave the failure to the main loop's default
// display, which shows the failure's own message. Either way the program goes on.

#include "editing/Vspom.h"

#include <exception>

class QString;

namespace varlo {

// The main loop's default error display: the failure's message (a full stop added when it does
// not end in one), the application's title as caption, the error icon and an OK button, centred
// over the active window like every other error box.
void ShowDefaultError(const QString& message);
// The same for a caught failure: a standard exception shows its message (UTF-8, as our own
// messages with their file names are), anything else "Unknown failure".
void showDefaultErrorOf(std::exception_ptr failure);

template <class F> void guarded(F&& f) {
    try {
        f();
    } catch (...) {
        Vspom::ReportError();
    }
}

template <class F> void unguarded(F&& f) {
    try {
        f();
    } catch (...) {
        showDefaultErrorOf(std::current_exception());
    }
}

} // namespace varlo
