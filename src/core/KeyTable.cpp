#include "core/KeyTable.h"

#include <iterator>

#include "ports/Win32Constants.h"

namespace {

struct FixedKey {
    const wchar_t* text;
    std::uint32_t virtualKey;
};

// A run of keys whose texts are a prefix plus a counter and whose codes are consecutive.
struct KeySeries {
    const wchar_t* prefix;
    int firstNumber;
    std::uint32_t firstVirtualKey;
    int count;
};

constexpr KeySeries FUNCTION_KEYS = {L"F", 1, VK_F1, 12};
constexpr KeySeries NUM_PAD_KEYS = {L"NumPad ", 0, VK_NUMPAD0, 10};

constexpr FixedKey MODIFIER_KEYS[] = {
    {L"None", 0},
    {L"Ctrl", VK_CONTROL},
    {L"Alt", VK_MENU},
    {L"Shift", VK_SHIFT},
};

constexpr FixedKey NAMED_KEYS[] = {
    {L"Pause", VK_PAUSE},
    {L"Enter", VK_RETURN},
    {L"Space", VK_SPACE},
    {L"Left", VK_LEFT},
    {L"Right", VK_RIGHT},
    {L"Up", VK_UP},
    {L"Down", VK_DOWN},
    {L"Delete", VK_DELETE},
    {L"Num Lock", VK_NUMLOCK},
    {L"Scroll Lock", VK_SCROLL},
    {L"Backspace", VK_BACK},
    {L"Tab", VK_TAB},
    {L"Ctrl", VK_CONTROL},
    {L"Shift", VK_SHIFT},
    {L"Esc", VK_ESCAPE},
    {L"Multiply", VK_MULTIPLY},
    {L"Add", VK_ADD},
    {L"Substract", VK_SUBTRACT},
    {L"Decimal", VK_DECIMAL},
    {L"Divide", VK_DIVIDE},
    {L"Home", VK_HOME},
    {L"End", VK_END},
    {L"Page Up", VK_PRIOR},
    {L"Page Down", VK_NEXT},
    {L"Insert", VK_INSERT},
    {L"Prt Scr", VK_SNAPSHOT},
    {L"Left Shift", VK_LSHIFT},
    {L"Right Shift", VK_RSHIFT},
    {L"Left Ctrl", VK_LCONTROL},
    {L"Right Ctrl", VK_RCONTROL},
    {L"Left Menu", VK_LMENU},
    {L"Right Menu", VK_RMENU},
    {L"Help", VK_HELP},
    {L"Refresh", VK_BROWSER_REFRESH},
};

// Letter and digit keys have no VK_ names: their codes are the ASCII codes of 'A'..'Z' and '0'..'9'.
constexpr std::uint32_t FIRST_LETTER_KEY = 0x41;
constexpr std::uint32_t LAST_LETTER_KEY = 0x5A;
constexpr std::uint32_t FIRST_DIGIT_KEY = 0x30;
constexpr std::uint32_t LAST_DIGIT_KEY = 0x39;

constexpr int KEY_NAME_BUFFER_SIZE = 10;

void AddFixedKeys(IKeyList& list, const FixedKey* first, const FixedKey* last) {
    for (const FixedKey* key = first; key != last; ++key) {
        CKeyTable::AddKeyItem(list, key->text, key->virtualKey);
    }
}

void AddKeySeries(IKeyList& list, const KeySeries& series) {
    for (int i = 0; i < series.count; ++i) {
        CKeyTable::AddKeyItem(list, series.prefix + std::to_wstring(series.firstNumber + i),
                              series.firstVirtualKey + static_cast<std::uint32_t>(i));
    }
}

} // namespace

CKeyTable::CKeyTable(IKeyboardLayout& layout, const KeyboardState& keyboardState,
                     const LayoutHandle& keyboardLayout)
    : m_layout(layout), m_keyboardState(keyboardState), m_hKeyboardLayout(keyboardLayout) {}

void CKeyTable::FillKeyLists(IKeyList& modifierList, IKeyList& keyList) const {
    modifierList.ResetContent();
    keyList.ResetContent();

    AddKeySeries(keyList, FUNCTION_KEYS);
    AddFixedKeys(modifierList, std::begin(MODIFIER_KEYS), std::end(MODIFIER_KEYS));
    AddFixedKeys(keyList, std::begin(NAMED_KEYS), std::end(NAMED_KEYS));
    for (std::uint32_t vk = FIRST_LETTER_KEY; vk <= LAST_LETTER_KEY; ++vk) {
        AddKeyItem(keyList, GetCharacterKeyName(vk), vk);
    }
    AddKeySeries(keyList, NUM_PAD_KEYS);
    for (std::uint32_t vk = FIRST_DIGIT_KEY; vk <= LAST_DIGIT_KEY; ++vk) {
        AddKeyItem(keyList, std::wstring(1, static_cast<wchar_t>(vk)), vk);
    }
}

void CKeyTable::AddKeyItem(IKeyList& list, const std::wstring& text, std::uint32_t virtualKey) {
    const int index = list.AddString(text);
    list.SetItemData(index, virtualKey);
}

std::wstring CKeyTable::GetCharacterKeyName(std::uint32_t virtualKey) const {
    const std::uint32_t value = m_layout.MapVirtualKeyEx(virtualKey, MAPVK_VK_TO_CHAR, m_hKeyboardLayout);
    // ToUnicodeEx does not terminate what it writes: the zero fill does.
    wchar_t buffer[KEY_NAME_BUFFER_SIZE + 1] = {};
    m_layout.ToUnicodeEx(virtualKey, value, m_keyboardState, buffer, KEY_NAME_BUFFER_SIZE, 0,
                         m_hKeyboardLayout);
    return std::wstring(buffer);
}
