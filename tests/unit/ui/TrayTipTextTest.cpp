// The notification-area tooltip: what the shortcut presses, then the application title.
#include <string>

#include <gtest/gtest.h>

#include "ui/TrayTipText.h"

namespace {

const wchar_t TITLE[] = L"Tapwell by Tovrin";

TrayTipInputs Inputs(bool keySelected, int modifierIndex, const std::wstring& modifierText,
                     std::uint32_t hotKeyVk) {
    TrayTipInputs inputs;
    inputs.title = TITLE;
    inputs.keySelected = keySelected;
    inputs.keyText = L"F5";
    inputs.modifierIndex = modifierIndex;
    inputs.modifierText = modifierText;
    inputs.hotKeyVk = hotKeyVk;
    inputs.hotKeyName = L"Ctrl + Alt + F6";
    return inputs;
}

} // namespace

TEST(TrayTipText, TextFollowsKeyModifierAndShortcut) {
    const struct {
        const char* situation;
        TrayTipInputs inputs;
        const wchar_t* tip;
    } cases[] = {
        {"no key selected", Inputs(false, 1, L"Ctrl", 0x75), TITLE},
        {"shortcut without a key", Inputs(true, 1, L"Ctrl", 0), TITLE},
        {"no modifier selected", Inputs(true, -1, L"", 0x75), L"Ctrl + Alt + F6 - [ F5 ]\nTapwell by Tovrin"},
        {"first modifier entry", Inputs(true, 0, L"None", 0x75),
         L"Ctrl + Alt + F6 - [ F5 ]\nTapwell by Tovrin"},
        {"second modifier entry", Inputs(true, 1, L"Ctrl", 0x75),
         L"Ctrl + Alt + F6  - [ Ctrl + F5 ]\nTapwell by Tovrin"},
        {"last modifier entry", Inputs(true, 3, L"Shift", 0x75),
         L"Ctrl + Alt + F6  - [ Shift + F5 ]\nTapwell by Tovrin"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatTrayTip(c.inputs), c.tip) << c.situation;
    }
}
