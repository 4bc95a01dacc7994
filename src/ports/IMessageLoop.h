#pragma once
// The thread's message loop and the messages between windows (user32).
#include <cstdint>
#include <string>

#include "ports/WinTypes.h"

class IMessageLoop {
public:
    virtual ~IMessageLoop() = default;

    virtual bool GetMessage(Msg* msg) = 0; // false once WM_QUIT arrives
    virtual void TranslateMessage(const Msg& msg) = 0;
    virtual void DispatchMessage(const Msg& msg) = 0;
    virtual bool IsDialogMessage(WindowHandle dialog, const Msg& msg) = 0;
    virtual void PostQuitMessage(int exitCode) = 0;
    virtual LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) = 0;
    virtual bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) = 0;
    virtual std::uint32_t RegisterWindowMessage(const std::wstring& name) = 0;
};
