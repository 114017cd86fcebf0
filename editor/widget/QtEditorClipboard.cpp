#include "editor/widget/QtEditorClipboard.h"

#include "editor/qtbridge/QtCp1251.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace varlo {

QtEditorClipboard::QtEditorClipboard(QClipboard* clipboard) : clipboard_(clipboard) {}

QClipboard* QtEditorClipboard::clipboard() const {
    return clipboard_ ? clipboard_ : QGuiApplication::clipboard();
}

void QtEditorClipboard::put(std::string_view text, SelectionMode mode) {
    QClipboard* cb = clipboard();
    if (!cb)
        throw ClipboardError(kClipboardCopyFailed);
    auto* data = new QMimeData;
    data->setText(fromBytes(text));
    QByteArray block;
    block.reserve(static_cast<qsizetype>(text.size()) + 1);
    block.append(static_cast<char>(mode));
    block.append(text.data(), static_cast<qsizetype>(text.size()));
    data->setData(kBlockMimeType, block);
    cb->setMimeData(data); // the clipboard owns the data from here on
    // A clipboard that did not take the data (no display, a refused selection owner) reports
    // nothing back; read it again to know.
    const QMimeData* now = cb->mimeData();
    if (!now || !now->hasFormat(kBlockMimeType))
        throw ClipboardError(kClipboardCopyFailed);
}

std::optional<EditorClipboard::Content> QtEditorClipboard::get() {
    QClipboard* cb = clipboard();
    if (!cb)
        return std::nullopt;
    const QMimeData* data = cb->mimeData();
    if (!data)
        return std::nullopt;
    if (data->hasFormat(kBlockMimeType)) {
        const QByteArray block = data->data(kBlockMimeType);
        if (block.isEmpty() || static_cast<unsigned char>(block[0]) > 2)
            throw ClipboardError(kClipboardPasteFailed);
        Content c;
        c.mode = static_cast<SelectionMode>(block[0]);
        c.text.assign(block.constData() + 1, static_cast<std::size_t>(block.size() - 1));
        return c;
    }
    if (data->hasText())
        return Content{toBytes(data->text()), std::nullopt};
    return std::nullopt;
}

} // namespace varlo
