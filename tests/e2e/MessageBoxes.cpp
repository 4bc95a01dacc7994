#include "MessageBoxes.h"

#include "RemoteMessages.h"
#include "TapwellConstants.h"
#include "WindowQueries.h"

namespace {
const int MESSAGE_BOX_TEXT_ID = 0xFFFF;
// The icon of a message box: 0x0440 under Wine, 0x0014 under Windows. Labels of ordinary dialogs
// often have the identifier 0xFFFF too, the icon tells a message box apart.
const int MESSAGE_BOX_ICON_IDS[] = {0x0440, 0x0014};

bool IsMessageBox(HWND hWnd) {
    if (!IsWindowVisible(hWnd) || WindowClass(hWnd) != DIALOG_CLASS ||
        !GetDlgItem(hWnd, MESSAGE_BOX_TEXT_ID)) {
        return false;
    }
    for (int nIconId : MESSAGE_BOX_ICON_IDS) {
        if (GetDlgItem(hWnd, nIconId)) {
            return true;
        }
    }
    return false;
}
} // namespace

HWND FindMessageBox(DWORD nProcessId) {
    for (HWND hWnd : TopLevelWindowsOf(nProcessId)) {
        if (IsMessageBox(hWnd)) {
            return hWnd;
        }
    }
    return nullptr;
}

std::wstring MessageBoxText(HWND hBox) {
    return AskWindowText(GetDlgItem(hBox, MESSAGE_BOX_TEXT_ID));
}
