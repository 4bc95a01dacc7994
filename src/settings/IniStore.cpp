#include "settings/IniStore.h"

#include <cstdint>
#include <utility>

#include "settings/SettingsNames.h"
#include "settings/Utf8.h"

namespace {

constexpr char UTF8_BOM[] = "\xEF\xBB\xBF";
constexpr wchar_t QUOTE = L'"';

// Decimal, as the 4 bytes of a REG_DWORD would hold it: signed, or unsigned up to 4294967295.
// Anything else is a value of the wrong kind.
bool ParseInt(const std::wstring& text, int& nValue) {
    std::size_t i = text.empty() || (text[0] != L'-' && text[0] != L'+') ? 0 : 1;
    const bool bNegative = i == 1 && text[0] == L'-';
    if (i == text.size()) {
        return false;
    }
    std::uint64_t nMagnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9' || nMagnitude > UINT32_MAX) {
            return false;
        }
        nMagnitude = nMagnitude * 10 + static_cast<std::uint64_t>(text[i] - L'0');
    }
    if (nMagnitude > (bNegative ? std::uint64_t{1} << 31 : std::uint64_t{UINT32_MAX})) {
        return false;
    }
    const std::uint32_t nBits = static_cast<std::uint32_t>(bNegative ? 0 - nMagnitude : nMagnitude);
    nValue = static_cast<int>(nBits);
    return true;
}

// A text with blanks at either end, or quoted itself, is written in quotes, which reading drops.
std::wstring Quote(const std::wstring& text) {
    const bool bQuote =
        !text.empty() && (text.front() == L' ' || text.front() == L'\t' || text.back() == L' ' ||
                          text.back() == L'\t' || text.front() == QUOTE);
    return bQuote ? QUOTE + text + QUOTE : text;
}

std::wstring Unquote(const std::wstring& text) {
    if (text.size() >= 2 && text.front() == QUOTE && text.back() == QUOTE) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

} // namespace

CIniStore::CIniStore(IFiles& file, const std::wstring& path, ProblemHandler onProblem)
    : m_file(file), m_strPath(path), m_onProblem(std::move(onProblem)) {}

void CIniStore::Load() {
    m_bStamped = false;
    m_bReadable = Refresh();
}

bool CIniStore::Refresh() {
    if (!m_bReadable) {
        return false;
    }
    FileStamp stamp;
    const bool bThere = m_file.GetStamp(m_strPath, stamp);
    if (m_bStamped && bThere && stamp == m_stamp) {
        return true;
    }
    std::string bytes;
    std::wstring strError;
    std::wstring text;
    if (bThere) {
        const bool bRead = m_file.ReadFile(m_strPath, MAX_FILE_BYTES, bytes, strError);
        const std::size_t nBom = bytes.compare(0, 3, UTF8_BOM) == 0 ? 3 : 0;
        if (bRead && bytes.size() > MAX_FILE_BYTES) {
            strError = L"The file is longer than " + std::to_wstring(MAX_FILE_BYTES / 1024) + L" KiB.";
        } else if (bRead && !DecodeUtf8(bytes.substr(nBom), text)) {
            strError = L"The file is not UTF-8 text.";
        }
        if (!strError.empty() || !bRead) {
            // Being replaced by another instance at this moment: the last reading stands.
            if (!m_bStamped) {
                Report(L"cannot read its settings from", strError,
                       L"It starts with its default settings and leaves the file as it is: changes are kept "
                       L"only "
                       L"until Tapwell closes.");
            }
            return false;
        }
    }
    // A file deleted meanwhile starts again empty: the next change writes it anew.
    m_document = CIniDocument::Parse(text);
    for (const Change& change : m_pending) {
        m_document.Set(change.section, change.name, change.value);
    }
    m_bChanged = m_bChanged || m_bStamped;
    m_stamp = stamp;
    m_bStamped = true;
    return true;
}

void CIniStore::Report(const std::wstring& strWhat, const std::wstring& strReason,
                       const std::wstring& strOutcome) {
    if (m_bReported) {
        return;
    }
    m_bReported = true;
    if (m_onProblem) {
        m_onProblem(L"Tapwell " + strWhat + L"\n\n" + m_strPath + L"\n\n" + strReason + L"\n\n" + strOutcome);
    }
}

bool CIniStore::Write(const std::wstring& section, const std::wstring& name, const std::wstring& value) {
    if (m_bReadable) {
        Refresh();
    }
    if (!m_document.Set(section, name, value)) {
        return false;
    }
    bool bKnown = false;
    for (Change& change : m_pending) {
        if (change.section == section && change.name == name) {
            change.value = value;
            bKnown = true;
        }
    }
    if (!bKnown) {
        m_pending.push_back({section, name, value});
    }
    m_bChanged = true;
    if (!m_bReadable) {
        return true;
    }
    std::wstring strError;
    if (!m_file.WriteFile(m_strPath, EncodeUtf8(m_document.Text()), strError)) {
        Report(L"cannot save its settings to", strError + L"\nThe file or its folder may be read-only.",
               L"Tapwell goes on with the settings it has: changes are kept only until it closes.");
        return true;
    }
    m_pending.clear();
    m_bStamped = m_file.GetStamp(m_strPath, m_stamp);
    return true;
}

int CIniStore::ReadInt(const std::wstring& section, const std::wstring& name, int nDefault) {
    Refresh();
    std::wstring text;
    int nValue = 0;
    return m_document.Find(section, name, text) && ParseInt(text, nValue) ? nValue : nDefault;
}

bool CIniStore::WriteInt(const std::wstring& section, const std::wstring& name, int nValue) {
    return Write(section, name, std::to_wstring(nValue));
}

std::wstring CIniStore::ReadString(const std::wstring& section, const std::wstring& name,
                                   const std::wstring& strDefault) {
    Refresh();
    std::wstring text;
    return m_document.Find(section, name, text) ? Unquote(text) : strDefault;
}

bool CIniStore::WriteString(const std::wstring& section, const std::wstring& name, const std::wstring& text) {
    return Write(section, name, Quote(text));
}

int CIniStore::ReadWindow(const std::wstring& instanceSection, int nDefault) {
    return ReadInt(SEEKED_WINDOWS_SECTION, instanceSection, nDefault);
}

bool CIniStore::WriteWindow(const std::wstring& instanceSection, int nValue) {
    return WriteInt(SEEKED_WINDOWS_SECTION, instanceSection, nValue);
}

bool CIniStore::TakeChange() {
    Refresh();
    return std::exchange(m_bChanged, false);
}

std::unique_ptr<CIniStore> OpenPortableStore(IFiles& file, CIniStore::ProblemHandler onProblem) {
    const std::wstring path = file.ProgramFolder() + PORTABLE_SETTINGS_FILE_NAME;
    FileStamp stamp;
    if (!file.GetStamp(path, stamp)) {
        return nullptr;
    }
    auto store = std::make_unique<CIniStore>(file, path, std::move(onProblem));
    store->Load();
    return store;
}
