#pragma once

// The two ways a handler's failure ends. Command handlers run inside a failure handler that
// reports every failure with the fixed error box (Vspom::ReportError) and skips the handler's
// remaining steps; the few handlers without one leave the failure to the main loop's default
// display, which shows the failure's own message. Either way the program goes on.

#include "editing/Vspom.h"

#include <QString>

#include <exception>

namespace varlo {

// The main loop's default error display: the failure's message (a full stop added when it does
// not end in one), the application's title as caption, the error icon and an OK button.
void ShowDefaultError(const QString& message);

// The failure's own words (the operation, the file, the system's reason) go into the error box's
// details.
template <class F> void guarded(F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        Vspom::ReportError(QString::fromUtf8(e.what()));
    } catch (...) {
        Vspom::ReportError();
    }
}

void showDefaultErrorOf(std::exception_ptr failure);

template <class F> void unguarded(F&& f) {
    try {
        f();
    } catch (...) {
        showDefaultErrorOf(std::current_exception());
    }
}

} // namespace varlo
