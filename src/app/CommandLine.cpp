#include "app/CommandLine.h"

namespace {

constexpr wchar_t SILENT_SWITCH[] = L":silent";

} // namespace

bool IsSilentStart(const std::wstring& strArguments) {
    return strArguments.find(SILENT_SWITCH) != std::wstring::npos;
}
