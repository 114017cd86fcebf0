#pragma once

#include "editor/document/EditorModel.h"

#include <cstdint>
#include <memory>
#include <string_view>

// An editor holding `text` with [start, start + length) selected (a caret at start when the
// length is 0), counting its OnChange notifications.
struct EditorFixture {
    std::unique_ptr<varlo::EditorModel> model = std::make_unique<varlo::EditorModel>();
    int changes = 0;

    explicit EditorFixture(std::string_view text = {}, std::int64_t start = 0,
                           std::int64_t length = 0) {
        model->setText(text);
        model->setSelectionStart(start);
        if (length > 0)
            model->setSelectionLength(length);
        model->onChange = [this] { ++changes; };
    }
    varlo::EditorModel& operator*() { return *model; }
    varlo::EditorModel* operator->() { return model.get(); }
    std::int64_t caretOffset() const { return model->positionToTextOffset(model->caret()); }
};
