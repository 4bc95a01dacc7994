#include "ui/TrayTipText.h"

std::wstring FormatTrayTip(const TrayTipInputs& inputs) {
    if (!inputs.keySelected || inputs.hotKeyVk == 0) {
        return inputs.title;
    }
    // The two-blank form with the modifier is the established look of the tooltip; keep both.
    if (inputs.modifierIndex >= 1) {
        return inputs.hotKeyName + L"  - [ " + inputs.modifierText + L" + " + inputs.keyText + L" ]\n" +
               inputs.title;
    }
    return inputs.hotKeyName + L" - [ " + inputs.keyText + L" ]\n" + inputs.title;
}
