#pragma once

#include "editor/document/EditorClipboard.h"

#include <QString>

class QClipboard;

namespace varlo {

// The system clipboard for the editor: plain text (converted from and to Windows-1251) and the
// editor's own block format, which keeps the selection mode so a column block pastes back as a
// column.
class QtEditorClipboard : public EditorClipboard {
public:
    // The private format: the mode byte, then the Windows-1251 bytes.
    static inline const QString kBlockMimeType = QStringLiteral("application/x-varlo-editor-block");

    // Uses QGuiApplication::clipboard() when none is given.
    explicit QtEditorClipboard(QClipboard* clipboard = nullptr);

    void put(std::string_view text, SelectionMode mode) override;
    std::optional<Content> get() override;

private:
    QClipboard* clipboard() const;
    QClipboard* clipboard_;
};

} // namespace varlo
