#include "core/EditControls.h"

#include "core/AsciiCase.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

// GetClassNameW's limit for the children looked at.
constexpr int CLASS_NAME_LIMIT = 254;
constexpr const wchar_t* RICH_EDIT_CLASS_NAMES[] = {L"RichEdit20W", L"RICHEDIT50W", L"RichEditD2DPT"};
// "ComboBox" and the extended "ComboBoxEx32".
constexpr wchar_t COMBO_BOX_PREFIX[] = L"ComboBox";

} // namespace

EditKind EditKindOf(IWindowQueries& windows, WindowHandle child) {
    const std::wstring className = windows.GetClassName(child, CLASS_NAME_LIMIT);
    if (EqualsIgnoringCase(className, L"Edit")) {
        const WindowHandle parent = windows.GetParent(child);
        return StartsWithIgnoringCase(windows.GetClassName(parent, CLASS_NAME_LIMIT), COMBO_BOX_PREFIX)
                   ? EditKind::None
                   : EditKind::Plain;
    }
    const bool rich =
        std::any_of(std::begin(RICH_EDIT_CLASS_NAMES), std::end(RICH_EDIT_CLASS_NAMES),
                    [&className](const wchar_t* name) { return EqualsIgnoringCase(className, name); });
    return rich ? EditKind::Rich : EditKind::None;
}
