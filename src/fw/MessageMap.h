#pragma once
// Static tables that bind window messages, commands and control notifications to handler methods.
//
// A window class declares `static const MessageMapEntry s_messageEntries[];` and overrides
// GetMessageMap() with the map of that table chained to its parent class's map:
//
//     const MessageMapEntry CMyDlg::s_messageEntries[] = {
//         CommandEntry<&CMyDlg::OnStart>(IDC_START),
//         NotifyEntry<&CMyDlg::OnChangeDelay>(EN_CHANGE, IDC_DELAY),
//         MessageEntry<&CMyDlg::OnTimerMessage>(WM_TIMER),
//     };
//     const MessageMap* CMyDlg::GetMessageMap() const {
//         return ChainMessageMap<CDialog, s_messageEntries>(*this);
//     }
//
// GetMessageMap() is defined in the source file after the table (inside the class the table's size
// is not known yet).
// The handler's class is deduced from the member pointer. Message handlers take one of three forms:
//     LResult OnX(WParam, LParam)                  handled, the return value is the message result
//     void OnX(WParam, LParam)                     handled, result 0
//     bool OnX(WParam, LParam, LResult* result)    false passes the message on (base maps, then
//                                                  DefWindowProc), as for "default processing follows"
// A message that carries a point (mouse buttons, WM_CONTEXTMENU) binds with PointEntry to a handler
// that takes the point: `void OnX(Point)`, or `bool OnX(Point)` where false passes the message on.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "ports/Win32Constants.h"
#include "ports/WinTypes.h"

class CWnd;

using MessageDispatch = bool (*)(CWnd& wnd, WParam wParam, LParam lParam, LResult* result);

// code and id are compared with HIWORD and LOWORD of wParam unless they are ANY_CODE / ANY_ID.
struct MessageMapEntry {
    std::uint32_t message;
    std::uint32_t code;
    std::uint32_t id;
    const std::uint32_t* registeredMessage; // when set, the message number is read from here
    MessageDispatch dispatch;
};

struct MessageMap {
    const MessageMap* base;
    const MessageMapEntry* entries;
    std::size_t count;
};

constexpr std::uint32_t ANY_CODE = 0xFFFFFFFFu;
constexpr std::uint32_t ANY_ID = 0xFFFFFFFFu;

// The signed x and y a mouse or context-menu message packs into lParam's two low words: left of or
// above the primary screen they are negative.
constexpr Point PointFromLParam(LParam lParam) {
    const auto bits = static_cast<std::uint32_t>(lParam);
    return Point{static_cast<std::int16_t>(bits & 0xFFFF), static_cast<std::int16_t>(bits >> 16)};
}

bool MessageMapEntryMatches(const MessageMapEntry& entry, std::uint32_t message, WParam wParam);

template <std::size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* base, const MessageMapEntry (&entries)[N]) {
    return MessageMap{base, entries, N};
}

// The map of table Entries whose base is the map of class Base, made once on first use (one static
// per table, so classes with tables of the same size never share one).
template <class Base, const auto& Entries> const MessageMap* ChainMessageMap(const Base& wnd) {
    static const MessageMap map = MakeMessageMap(wnd.Base::GetMessageMap(), Entries);
    return &map;
}

template <typename T> struct MessageHandlerTraits;

template <typename C, typename R, typename... A> struct MessageHandlerTraits<R (C::*)(A...)> {
    using Class = C;
    using Result = R;
};

template <auto Handler> bool DispatchCommandHandler(CWnd& wnd, WParam wParam, LParam, LResult* result) {
    using Class = typename MessageHandlerTraits<decltype(Handler)>::Class;
    // A handler that takes an int serves several controls: it is told which one it was.
    if constexpr (std::is_invocable_v<decltype(Handler), Class&, int>) {
        (static_cast<Class&>(wnd).*Handler)(static_cast<int>(wParam & 0xFFFF));
    } else {
        (static_cast<Class&>(wnd).*Handler)();
    }
    *result = 0;
    return true;
}

template <auto Handler>
bool DispatchMessageHandler(CWnd& wnd, WParam wParam, LParam lParam, LResult* result) {
    using Traits = MessageHandlerTraits<decltype(Handler)>;
    auto& self = static_cast<typename Traits::Class&>(wnd);
    if constexpr (std::is_same_v<typename Traits::Result, bool>) {
        return (self.*Handler)(wParam, lParam, result);
    } else if constexpr (std::is_void_v<typename Traits::Result>) {
        (self.*Handler)(wParam, lParam);
        *result = 0;
        return true;
    } else {
        *result = static_cast<LResult>((self.*Handler)(wParam, lParam));
        return true;
    }
}

template <auto Handler> bool DispatchPointHandler(CWnd& wnd, WParam, LParam lParam, LResult* result) {
    using Traits = MessageHandlerTraits<decltype(Handler)>;
    auto& self = static_cast<typename Traits::Class&>(wnd);
    *result = 0;
    if constexpr (std::is_same_v<typename Traits::Result, bool>) {
        return (self.*Handler)(PointFromLParam(lParam));
    } else {
        (self.*Handler)(PointFromLParam(lParam));
        return true;
    }
}

// WM_COMMAND with notification code 0: a menu item, an accelerator-less command or BN_CLICKED.
template <auto Handler> constexpr MessageMapEntry CommandEntry(std::uint32_t id) {
    return MessageMapEntry{WM_COMMAND, 0, id, nullptr, &DispatchCommandHandler<Handler>};
}

// WM_COMMAND with the given notification code from control id (EN_CHANGE, CBN_SELCHANGE, ...).
template <auto Handler> constexpr MessageMapEntry NotifyEntry(std::uint32_t code, std::uint32_t id) {
    return MessageMapEntry{WM_COMMAND, code, id, nullptr, &DispatchCommandHandler<Handler>};
}

template <auto Handler> constexpr MessageMapEntry MessageEntry(std::uint32_t message) {
    return MessageMapEntry{message, ANY_CODE, ANY_ID, nullptr, &DispatchMessageHandler<Handler>};
}

template <auto Handler> constexpr MessageMapEntry PointEntry(std::uint32_t message) {
    return MessageMapEntry{message, ANY_CODE, ANY_ID, nullptr, &DispatchPointHandler<Handler>};
}

// A message whose number is only known at run time (RegisterWindowMessage); never matches while
// *message is still 0.
template <auto Handler> constexpr MessageMapEntry RegisteredMessageEntry(const std::uint32_t* message) {
    return MessageMapEntry{0, ANY_CODE, ANY_ID, message, &DispatchMessageHandler<Handler>};
}
