#pragma once

// The editor's key table in words, for the readme.

#include "editor/commands/TSynKeyStrokes.h"

#include <optional>
#include <string>
#include <string_view>

namespace varlo::help {

// "Ctrl+Shift+Home" and the like.
std::string strokeName(const TSynKeyStroke& stroke);
// What the command does, in Russian (UTF-8); nothing for a command without a description, which
// the generator refuses so that the readme never leaves out a binding.
std::optional<std::string_view> commandDescription(EditorCommand command);

} // namespace varlo::help
