#pragma once

#include "editing/CommandCatalogue.h"

namespace varlo {
class EditorModel;
}

namespace CommandCatalogue {

// Whether the row (after resolving SameAs) puts a fixed text into the editor by itself.
bool insertsText(const CommandRow& row);
// Runs such a row on the editor: plain insertion, InsertTag or a list operation. Other rows are
// left alone.
void insertRow(varlo::EditorModel& editor, const CommandRow& row);

} // namespace CommandCatalogue
