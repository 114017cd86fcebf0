#include "editor/commands/TSynKeyStrokes.h"

#include <gtest/gtest.h>

using namespace varlo;

namespace {

TEST(TSynKeyStrokes, FindMatchesKeyAndShiftStateExactly) {
    const TSynKeyStrokes keys;
    struct Row {
        int key;
        TShiftState shift;
        std::optional<EditorCommand> command;
    } rows[] = {
        {'Z', ssCtrl, ecUndo},
        {'Z', ssCtrl | ssShift, ecRedo},
        {'Z', ssCtrl | ssAlt, std::nullopt},
        {'Z', ssNone, std::nullopt},
        {'z', ssCtrl, std::nullopt}, // letters are their upper-case codes
        {vk::Return, ssCtrl, std::nullopt},
        {vk::Enter, ssShift, ecLineBreak},
        {'5', ssCtrl, EditorCommand(ecGotoMarker0 + 5)},
        {'5', ssCtrl | ssShift, EditorCommand(ecSetMarker0 + 5)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(keys.find(r.key, r.shift), r.command) << r.key << " " << int(r.shift);
}

TEST(TSynKeyStrokes, BindRebindsAHeldStrokeAndAddsANewOne) {
    TSynKeyStrokes keys;
    const std::size_t rows = keys.rows().size();
    keys.bind(ecSelectAll, 'Z', ssCtrl);
    EXPECT_EQ(keys.find('Z', ssCtrl), ecSelectAll);
    EXPECT_EQ(keys.find('Z', ssCtrl | ssShift), ecRedo);
    EXPECT_EQ(keys.rows().size(), rows);

    keys.bind(ecUndo, 'Q', ssCtrl | ssAlt);
    EXPECT_EQ(keys.find('Q', ssCtrl | ssAlt), ecUndo);
    EXPECT_EQ(keys.rows().size(), rows + 1);
    // Another editor's table keeps its own bindings.
    EXPECT_EQ(TSynKeyStrokes().find('Z', ssCtrl), ecUndo);
}

} // namespace
