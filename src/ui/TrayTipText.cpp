#include "ui/TrayTipText.h"

std::wstring FormatTrayTip(const TrayTipInputs& inputs) {
    if (!inputs.runState.empty()) {
        return inputs.runState + L"\n" + inputs.title;
    }
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

std::wstring FormatRunTimeLeft(std::uint32_t nKeyedCount, std::int64_t nSecondsLeft) {
    const std::wstring strMinutes = std::to_wstring(nSecondsLeft / 60 % 60);
    const std::wstring strSeconds = std::to_wstring(nSecondsLeft % 60);
    return L"Keyed " + std::to_wstring(nKeyedCount) + L" Times, " + std::to_wstring(nSecondsLeft / 3600) +
           L":" + (strMinutes.size() < 2 ? L"0" : L"") + strMinutes + L":" +
           (strSeconds.size() < 2 ? L"0" : L"") + strSeconds + L" left";
}
