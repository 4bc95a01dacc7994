#include "core/EditControls.h"

#include <algorithm>
#include <cwctype>
#include <iterator>
#include <string>

namespace {

// GetClassNameW's limit for the children looked at.
constexpr int CLASS_NAME_LIMIT = 254;
constexpr const wchar_t* RICH_EDIT_CLASS_NAMES[] = {L"RichEdit20W", L"RICHEDIT50W", L"RichEditD2DPT"};
// "ComboBox" and the extended "ComboBoxEx32".
constexpr wchar_t COMBO_BOX_PREFIX[] = L"ComboBox";

bool SameLetter(wchar_t a, wchar_t b) {
    return std::towlower(static_cast<std::wint_t>(a)) == std::towlower(static_cast<std::wint_t>(b));
}

// The whole name must match: "EditBox" is no Edit.
bool IsNamed(const std::wstring& className, const std::wstring& name) {
    return className.size() == name.size() &&
           std::equal(className.begin(), className.end(), name.begin(), SameLetter);
}

bool StartsWith(const std::wstring& className, const std::wstring& prefix) {
    return className.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), className.begin(), SameLetter);
}

} // namespace

EditKind EditKindOf(IWindowQueries& windows, WindowHandle child) {
    const std::wstring className = windows.GetClassName(child, CLASS_NAME_LIMIT);
    if (IsNamed(className, L"Edit")) {
        const WindowHandle parent = windows.GetParent(child);
        return StartsWith(windows.GetClassName(parent, CLASS_NAME_LIMIT), COMBO_BOX_PREFIX) ? EditKind::None
                                                                                            : EditKind::Plain;
    }
    const bool rich = std::any_of(std::begin(RICH_EDIT_CLASS_NAMES), std::end(RICH_EDIT_CLASS_NAMES),
                                  [&className](const wchar_t* name) { return IsNamed(className, name); });
    return rich ? EditKind::Rich : EditKind::None;
}
