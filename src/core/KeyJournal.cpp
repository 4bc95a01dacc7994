#include "core/KeyJournal.h"

#include "ports/Win32Constants.h"
#include "settings/SettingsNames.h"

namespace {

constexpr std::uint32_t JOURNAL_ACCESS = KEY_READ | KEY_WRITE;
// Shared by every session of the machine, as the registry key is by every session of the user.
constexpr wchar_t LIFE_MUTEX_PREFIX[] = L"Global\\Tapwell key journal ";
// More entries than this are not looked at in one start: the rest waits for the next one.
constexpr std::size_t MAX_ENTRIES = 64;
// One key-up: way, code, scan and modifier as 16 bits, then window and lParam as 32 bits, little-endian.
constexpr std::size_t RECORD_SIZE = 16;

void PutBytes(std::vector<std::uint8_t>& data, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::uint32_t GetBytes(const std::uint8_t* data, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | data[i];
    }
    return value;
}

std::vector<std::uint8_t> Encode(const std::vector<KeyUp>& keyUps) {
    std::vector<std::uint8_t> data;
    for (std::size_t i = 0; i < keyUps.size() && i < CKeyJournal::MAX_KEY_UPS; ++i) {
        const KeyUp& keyUp = keyUps[i];
        PutBytes(data, static_cast<std::uint32_t>(keyUp.way), 2);
        PutBytes(data, keyUp.code, 2);
        PutBytes(data, keyUp.scan, 2);
        PutBytes(data, keyUp.modifierVk, 2);
        PutBytes(data, keyUp.window, 4);
        PutBytes(data, static_cast<std::uint32_t>(keyUp.lParam), 4);
    }
    return data;
}

// All or nothing: a record of a way we do not know means the value is not ours.
bool Decode(const std::vector<std::uint8_t>& data, std::vector<KeyUp>& keyUps) {
    if (data.size() % RECORD_SIZE != 0) {
        return false;
    }
    std::vector<KeyUp> decoded;
    for (std::size_t at = 0; at < data.size(); at += RECORD_SIZE) {
        const std::uint8_t* record = data.data() + at;
        const std::uint32_t way = GetBytes(record, 2);
        if (way > static_cast<std::uint32_t>(KeyUp::Way::Posted)) {
            return false;
        }
        KeyUp keyUp;
        keyUp.way = static_cast<KeyUp::Way>(way);
        keyUp.code = static_cast<std::uint16_t>(GetBytes(record + 2, 2));
        keyUp.scan = static_cast<std::uint16_t>(GetBytes(record + 4, 2));
        keyUp.modifierVk = static_cast<std::uint16_t>(GetBytes(record + 6, 2));
        keyUp.window = GetBytes(record + 8, 4);
        keyUp.lParam = static_cast<LParam>(static_cast<std::int32_t>(GetBytes(record + 12, 4)));
        decoded.push_back(keyUp);
    }
    keyUps.insert(keyUps.end(), decoded.begin(), decoded.end());
    return true;
}

bool IsDecimal(const std::wstring& text, std::uint64_t max) {
    std::uint64_t value = 0;
    for (wchar_t ch : text) {
        const std::uint64_t digit = static_cast<std::uint64_t>(ch - L'0');
        if (ch < L'0' || ch > L'9' || value > (max - digit) / 10) {
            return false;
        }
        value = value * 10 + digit;
    }
    return !text.empty();
}

// "<process id> <creation time>", both decimal.
bool IsEntryName(const std::wstring& name) {
    const std::size_t space = name.find(L' ');
    return space != std::wstring::npos && IsDecimal(name.substr(0, space), UINT32_MAX) &&
           IsDecimal(name.substr(space + 1), UINT64_MAX);
}

} // namespace

CKeyJournal::CKeyJournal(IRegistry& registry, IProcess& process) : m_registry(registry), m_process(process) {}

CKeyJournal::~CKeyJournal() {
    if (m_hOwnMutex != 0) {
        m_process.CloseHandle(m_hOwnMutex);
    }
}

void CKeyJournal::Record(const std::vector<KeyUp>& keyUps) {
    CRegKey journal(m_registry);
    if (!OpenJournal(journal)) {
        return;
    }
    if (keyUps.empty()) {
        journal.DeleteValue(OwnEntryName());
    } else {
        // The mutex first: an entry without it would be taken for one of an ended Tapwell, and its
        // keys let go by the next start in the middle of this one's run. No mutex, no entry.
        if (m_hOwnMutex == 0) {
            std::uint32_t nError = 0;
            m_hOwnMutex = m_process.CreateMutex(false, LIFE_MUTEX_PREFIX + OwnEntryName(), &nError);
        }
        if (m_hOwnMutex != 0) {
            journal.SetBinary(OwnEntryName(), Encode(keyUps));
        }
    }
}

std::vector<KeyUp> CKeyJournal::TakeKeyUpsOfEndedProcesses() {
    std::vector<KeyUp> keyUps;
    CRegKey journal(m_registry);
    if (!OpenJournal(journal)) {
        return keyUps;
    }
    for (const std::wstring& name : journal.ValueNames(MAX_ENTRIES)) {
        const bool bNamed = IsEntryName(name);
        if (bNamed && IsRunning(name)) {
            continue;
        }
        std::vector<std::uint8_t> data;
        if (bNamed && journal.QueryBinary(name, MAX_KEY_UPS * RECORD_SIZE, data)) {
            Decode(data, keyUps);
        }
        journal.DeleteValue(name);
    }
    return keyUps;
}

bool CKeyJournal::OpenJournal(CRegKey& journal) {
    // The parent is opened as an ordinary key first: created volatile on the way, it could hold no
    // ordinary key such as the selected windows' one.
    CRegKey product(m_registry);
    return product.Create(HKEY_CURRENT_USER, TAPWELL_KEY_PATH, JOURNAL_ACCESS) &&
           journal.CreateVolatile(product, KEY_JOURNAL_KEY_NAME, JOURNAL_ACCESS);
}

const std::wstring& CKeyJournal::OwnEntryName() {
    if (m_strOwnEntry.empty()) {
        std::uint64_t creationTime = 0;
        m_process.GetCreationTime(&creationTime);
        m_strOwnEntry =
            std::to_wstring(m_process.GetCurrentProcessId()) + L" " + std::to_wstring(creationTime);
    }
    return m_strOwnEntry;
}

bool CKeyJournal::IsRunning(const std::wstring& entryName) {
    // Opening the mutex creates it when it is gone, for a moment. What cannot be told counts as
    // running: those keys are their Tapwell's own to let go.
    std::uint32_t nError = 0;
    const MutexHandle hMutex = m_process.CreateMutex(false, LIFE_MUTEX_PREFIX + entryName, &nError);
    if (hMutex != 0) {
        m_process.CloseHandle(hMutex);
    }
    return hMutex == 0 || nError == ERROR_ALREADY_EXISTS;
}
