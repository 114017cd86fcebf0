#include "editing/CatalogueInsert.h"

#include "editing/Vspom.h"
#include "editor/document/EditorModel.h"

namespace CommandCatalogue {

bool insertsText(const CommandRow& row) {
    switch (resolve(row).action) {
    case Action::Plain:
    case Action::Tag:
    case Action::OrderedList:
    case Action::UnorderedList:
        return true;
    default:
        return false;
    }
}

void insertRow(varlo::EditorModel& editor, const CommandRow& row) {
    const CommandRow& r = resolve(row);
    switch (r.action) {
    case Action::Plain:
        editor.setSelectedText(r.text);
        break;
    case Action::Tag:
        Vspom::InsertTag(editor, r.text);
        break;
    case Action::OrderedList:
        Vspom::InsertOrderedList(editor, r.text);
        break;
    case Action::UnorderedList:
        Vspom::InsertUnorderedList(editor, r.text);
        break;
    default:
        break;
    }
}

} // namespace CommandCatalogue
