#pragma once
// A program that receives the keys of a run: its top-level window and the Edit the keys end up in.
#include <windows.h>

#include <string>

class CTargetWindow {
public:
    CTargetWindow(HWND hFrame, HWND hEdit) : m_hFrame(hFrame), m_hEdit(hEdit) {}

    HWND Frame() const { return m_hFrame; }
    HWND Edit() const { return m_hEdit; }

    // Brings the window to the foreground, as a click on it would, and waits until its Edit has
    // the keyboard focus.
    bool Focus() const;
    bool HasFocus() const;
    std::wstring EditText() const;

private:
    HWND m_hFrame;
    HWND m_hEdit;
};
