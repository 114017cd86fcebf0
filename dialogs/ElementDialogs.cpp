#include "dialogs/ElementDialogs.h"

#include "dialogs/Spis.h"
#include "dialogs/Spisok_Select.h"
#include "dialogs/TaB.h"
#include "dialogs/Text.h"

namespace ElementDialogs {

namespace {

using Make = ElementDialogFrame* (*)(QWidget*, ElementDialogFrame::EditorSource);

template <class T> ElementDialogFrame* make(QWidget* owner, ElementDialogFrame::EditorSource e) {
    return new T(owner, std::move(e));
}

struct DialogRow {
    ElementDialog dialog;
    Make make;
};
constexpr DialogRow kDialogs[] = {
    {ElementDialog::Table, &make<TTable>},
    {ElementDialog::Font, &make<TTekst>},
    {ElementDialog::List, &make<TSpisok>},
    {ElementDialog::SelectList, &make<TSelect>},
};

const DialogRow* find(ElementDialog dialog) {
    for (const DialogRow& row : kDialogs)
        if (row.dialog == dialog)
            return &row;
    return nullptr;
}

} // namespace

bool Exists(ElementDialog dialog) {
    return find(dialog) != nullptr;
}

ElementDialogFrame* Create(ElementDialog dialog, QWidget* owner,
                           ElementDialogFrame::EditorSource editor) {
    const DialogRow* row = find(dialog);
    return row ? row->make(owner, std::move(editor)) : nullptr;
}

} // namespace ElementDialogs
