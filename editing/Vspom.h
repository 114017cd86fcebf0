#pragma once

// Shared operations of the program: putting markup into the active editor, colours as HTML
// text, and the two centred message boxes. The insertion operations live in VspomInsert.cpp,
// the message boxes in VspomMessages.cpp.

#include "editor/base/TColor.h"

#include <string>
#include <string_view>

class QString;

namespace varlo {
class EditorModel;
}

namespace Vspom {

// --- Insertion (plain insertion is assigning SelectedText)
// Inserts the snippet, then puts the caret in front of its last tag, or selects the
// placeholder text that stands before that tag.
void InsertTag(varlo::EditorModel& editor, std::string_view snippet);
void InsertOrderedList(varlo::EditorModel& editor, std::string_view type);
void InsertUnorderedList(varlo::EditorModel& editor, std::string_view type);
// "#RRGGBB", red first, upper-case digits; system colours resolved to their current RGB.
std::string ColorToHtml(varlo::TColor color);

// --- Messages
enum class MsgKind { Error, Information, Confirmation, Warning };
enum MsgButton : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using MsgButtons = unsigned;

// The error alert and box: "Возникла ошибка. Сообщите автору\rпрограммы о данной ошибке".
void ReportError();
// The information alert, then the box centred over the active window; returns the button.
MsgButton CenteredMessage(const QString& text, MsgKind kind, MsgButtons buttons);

} // namespace Vspom
