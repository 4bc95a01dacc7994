#pragma once
// The clipboard port over user32 and the global memory the clipboard takes.
#include "ports/IClipboard.h"

class CWin32Clipboard : public IClipboard {
public:
    std::uint32_t GetClipboardSequenceNumber() override;
    std::vector<std::uint8_t> GetDib(WindowHandle owner) override;
    bool SetDib(WindowHandle owner, const std::vector<std::uint8_t>& dib) override;
};
