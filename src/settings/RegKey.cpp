#include "settings/RegKey.h"

#include <cstddef>
#include <vector>

#include "ports/Win32Constants.h"

namespace {

constexpr std::uint32_t DWORD_SIZE = 4;
// A value that keeps growing between the size query and the read is given up on after this.
constexpr int STRING_READ_ATTEMPTS = 4;

bool Succeeded(long result) {
    return result == static_cast<long>(ERROR_SUCCESS);
}

} // namespace

CRegKey::CRegKey(IRegistry& registry) : m_registry(registry) {}

CRegKey::~CRegKey() {
    Close();
}

bool CRegKey::Create(RegKeyHandle parent, const std::wstring& path, std::uint32_t access) {
    Close();
    RegKeyHandle hKey = 0;
    if (!Succeeded(m_registry.CreateKey(parent, path, access, &hKey))) {
        return false;
    }
    m_hKey = hKey;
    m_bOpen = true;
    return true;
}

bool CRegKey::CreateVolatile(const CRegKey& parent, const std::wstring& name, std::uint32_t access) {
    Close();
    RegKeyHandle hKey = 0;
    if (!parent.m_bOpen || !Succeeded(m_registry.CreateVolatileKey(parent.m_hKey, name, access, &hKey))) {
        return false;
    }
    m_hKey = hKey;
    m_bOpen = true;
    return true;
}

bool CRegKey::IsOpen() const {
    return m_bOpen;
}

void CRegKey::Close() {
    if (!m_bOpen) {
        return;
    }
    m_registry.CloseKey(m_hKey);
    m_hKey = 0;
    m_bOpen = false;
}

bool CRegKey::QueryDword(const std::wstring& name, std::uint32_t& type, std::uint32_t& value) {
    if (!m_bOpen) {
        return false;
    }
    std::uint8_t data[DWORD_SIZE] = {};
    std::uint32_t nType = REG_NONE;
    std::uint32_t cbData = DWORD_SIZE;
    // Longer data fails with ERROR_MORE_DATA; shorter data succeeds but leaves part of the buffer
    // unwritten, so both are refused.
    if (!Succeeded(m_registry.QueryValue(m_hKey, name, &nType, data, &cbData)) || cbData != DWORD_SIZE) {
        return false;
    }
    type = nType;
    value = static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
            static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    return true;
}

bool CRegKey::QueryString(const std::wstring& name, std::wstring& text) {
    if (!m_bOpen) {
        return false;
    }
    std::uint32_t nType = REG_NONE;
    std::uint32_t cbData = 0;
    if (!Succeeded(m_registry.QueryValue(m_hKey, name, &nType, nullptr, &cbData)) || nType != REG_SZ) {
        return false;
    }

    std::vector<std::uint8_t> data;
    for (int nAttempt = 0; nAttempt < STRING_READ_ATTEMPTS; ++nAttempt) {
        // Never an empty buffer: a null data pointer would turn the read into a size query.
        data.assign(cbData < sizeof(wchar_t) ? sizeof(wchar_t) : cbData, 0);
        std::uint32_t cbRead = static_cast<std::uint32_t>(data.size());
        const long result = m_registry.QueryValue(m_hKey, name, &nType, data.data(), &cbRead);
        if (result == static_cast<long>(ERROR_MORE_DATA)) {
            cbData = cbRead;
            continue;
        }
        if (!Succeeded(result) || nType != REG_SZ || cbRead > data.size()) {
            return false;
        }

        std::wstring strValue;
        for (std::uint32_t i = 0; i + 1 < cbRead; i += 2) {
            const wchar_t ch = static_cast<wchar_t>(data[i] | data[i + 1] << 8);
            if (ch == L'\0') {
                break;
            }
            strValue.push_back(ch);
        }
        text = strValue;
        return true;
    }
    return false;
}

bool CRegKey::SetDword(const std::wstring& name, std::uint32_t value) {
    if (!m_bOpen) {
        return false;
    }
    const std::uint8_t data[DWORD_SIZE] = {
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    return Succeeded(m_registry.SetValue(m_hKey, name, REG_DWORD, data, DWORD_SIZE));
}

bool CRegKey::SetString(const std::wstring& name, const std::wstring& text) {
    if (!m_bOpen) {
        return false;
    }
    std::vector<std::uint8_t> data;
    for (wchar_t ch : text) {
        data.push_back(static_cast<std::uint8_t>(ch));
        data.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(ch) >> 8));
    }
    data.insert(data.end(), 2, 0);
    return Succeeded(
        m_registry.SetValue(m_hKey, name, REG_SZ, data.data(), static_cast<std::uint32_t>(data.size())));
}

bool CRegKey::QueryBinary(const std::wstring& name, std::size_t maxSize, std::vector<std::uint8_t>& data) {
    if (!m_bOpen) {
        return false;
    }
    std::uint32_t nType = REG_NONE;
    std::uint32_t cbData = 0;
    if (!Succeeded(m_registry.QueryValue(m_hKey, name, &nType, nullptr, &cbData)) || nType != REG_BINARY ||
        cbData == 0 || cbData > maxSize) {
        return false;
    }
    std::vector<std::uint8_t> buffer(cbData);
    std::uint32_t cbRead = cbData;
    // A value that changed between the size query and the read is not taken.
    if (!Succeeded(m_registry.QueryValue(m_hKey, name, &nType, buffer.data(), &cbRead)) ||
        nType != REG_BINARY || cbRead != cbData) {
        return false;
    }
    data.swap(buffer);
    return true;
}

bool CRegKey::SetBinary(const std::wstring& name, const std::vector<std::uint8_t>& data) {
    return m_bOpen && Succeeded(m_registry.SetValue(m_hKey, name, REG_BINARY, data.data(),
                                                    static_cast<std::uint32_t>(data.size())));
}

bool CRegKey::DeleteValue(const std::wstring& name) {
    return m_bOpen && Succeeded(m_registry.DeleteValue(m_hKey, name));
}

std::vector<std::wstring> CRegKey::ValueNames(std::size_t limit) {
    std::vector<std::wstring> names;
    std::wstring strName;
    while (m_bOpen && names.size() < limit &&
           Succeeded(m_registry.EnumValueName(m_hKey, static_cast<std::uint32_t>(names.size()), &strName))) {
        names.push_back(strName);
    }
    return names;
}
