#pragma once
// Values as they cross the platform ports: Win32 widths, handles as 32-bit integers.
#include <cstdint>

using WindowHandle = std::uint32_t; // HWND
using MenuHandle = std::uint32_t;   // HMENU
using IconHandle = std::uint32_t;   // HICON / HCURSOR
using LayoutHandle = std::uint32_t; // HKL
using RegKeyHandle = std::uint32_t; // HKEY
using MutexHandle = std::uint32_t;  // HANDLE of a named mutex
using WParam = std::uintptr_t;      // WPARAM
using LParam = std::intptr_t;       // LPARAM
using LResult = std::intptr_t;      // LRESULT / INT_PTR

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// One queued message, as MSG carries it.
struct Msg {
    WindowHandle hwnd = 0;
    std::uint32_t message = 0;
    WParam wParam = 0;
    LParam lParam = 0;
    std::uint32_t time = 0;
    Point pt;
};
