#pragma once
// An in-memory registry with the semantics of RegCreateKeyExW / RegQueryValueExW / RegSetValueExW /
// RegCloseKey: key and value names match without regard to case (and keep the case they were
// created with), values keep their type and raw bytes, a short buffer yields ERROR_MORE_DATA with the
// full size. Every open handle is tracked, so a test can check that all of them were closed.
//
// Paths in the helpers below are relative to a predefined root (HKEY_CURRENT_USER by default),
// components separated by backslashes, e.g. L"software\\Tov rin\\Tapwell by Tovrin\\Settings 0".
#include <algorithm>
#include <cstdint>
#include <cwctype>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "fakes/RegistryBytes.h"
#include "ports/IRegistry.h"
#include "ports/Win32Constants.h"

class FakeRegistry : public IRegistry {
public:
    struct StoredValue {
        std::wstring path; // root-relative key path, in the stored case
        std::wstring name;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    struct CreateCall {
        RegKeyHandle parent = 0;
        std::wstring subKey;
        std::uint32_t access = 0;
    };

    long CreateKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                   RegKeyHandle* result) override {
        ++m_nCalls;
        Key* key = KeyOf(parent);
        const long nResult = static_cast<long>(!key             ? ERROR_INVALID_HANDLE
                                               : m_bFailCreates ? ERROR_ACCESS_DENIED
                                               : !result        ? ERROR_INVALID_PARAMETER
                                                                : ERROR_SUCCESS);
        m_createCalls.push_back(CreateCall{parent, subKey, access});
        if (nResult == static_cast<long>(ERROR_SUCCESS)) {
            *result = m_nNextHandle;
            m_nNextHandle += 4;
            m_openKeys[*result] = &Descend(*key, subKey);
        }
        return nResult;
    }
    long QueryValue(RegKeyHandle key, const std::wstring& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override {
        ++m_nCalls;
        const Key* node = KeyOf(key);
        if (!node || (data && !size)) {
            return static_cast<long>(!node ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
        }
        const auto found = node->values.find(Lower(name));
        if (found == node->values.end()) {
            return ERROR_FILE_NOT_FOUND;
        }
        const StoredValue& value = found->second;
        const auto cbValue = static_cast<std::uint32_t>(value.data.size());
        const bool bShort = data && *size < cbValue;
        if (type) {
            *type = value.type;
        }
        if (bShort) {
            // The real call leaves a short buffer undefined: scribbled over, to catch code that reads it.
            std::fill_n(data, *size, 0xCD);
        } else if (data) {
            std::copy(value.data.begin(), value.data.end(), data);
        }
        if (size) {
            *size = cbValue;
        }
        return static_cast<long>(bShort ? ERROR_MORE_DATA : ERROR_SUCCESS);
    }
    long SetValue(RegKeyHandle key, const std::wstring& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override {
        ++m_nCalls;
        Key* node = KeyOf(key);
        if (!node || (!data && size != 0)) {
            return static_cast<long>(!node ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
        }
        if (m_bFailWrites || (!m_strFailWritesTo.empty() && Lower(name) == Lower(m_strFailWritesTo))) {
            return ERROR_ACCESS_DENIED;
        }
        Store(*node, name, type, std::vector<std::uint8_t>(data, data + size));
        return ERROR_SUCCESS;
    }
    long CloseKey(RegKeyHandle key) override {
        ++m_nCalls;
        if (IsPredefined(key) || m_openKeys.erase(key) != 0) {
            return ERROR_SUCCESS;
        }
        ++m_nInvalidHandleUses;
        return ERROR_INVALID_HANDLE;
    }
    // Volatility is the real registry's business: here a volatile key is like any other.
    long CreateVolatileKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                           RegKeyHandle* result) override {
        return CreateKey(parent, subKey, access, result);
    }
    long EnumValueName(RegKeyHandle key, std::uint32_t index, std::wstring* name) override {
        const Key* node = KeyOf(key);
        if (!node || index >= node->values.size()) {
            return static_cast<long>(!node ? ERROR_INVALID_HANDLE : ERROR_NO_MORE_ITEMS);
        }
        *name = std::next(node->values.begin(), index)->second.name;
        return ERROR_SUCCESS;
    }
    long DeleteValue(RegKeyHandle key, const std::wstring& name) override {
        Key* node = KeyOf(key);
        return static_cast<long>(!node                             ? ERROR_INVALID_HANDLE
                                 : node->values.erase(Lower(name)) ? ERROR_SUCCESS
                                                                   : ERROR_FILE_NOT_FOUND);
    }
    // Any value written since the last call (or watch) counts as a change of every watched key.
    bool WatchKey(RegKeyHandle key) override {
        m_bChanged = false;
        return m_openKeys.count(key) != 0;
    }
    bool TakeKeyChange() override { return std::exchange(m_bChanged, false); }

    // Seeding and inspection, bypassing handles and failure switches.
    void PutValue(const std::wstring& path, const std::wstring& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data, RegKeyHandle root = HKEY_CURRENT_USER) {
        Store(Descend(Root(root), path), name, type, data);
    }
    void PutDword(const std::wstring& path, const std::wstring& name, std::uint32_t value,
                  RegKeyHandle root = HKEY_CURRENT_USER) {
        PutValue(path, name, REG_DWORD, DwordBytes(value), root);
    }
    // REG_SZ with its terminating null, as RegSetValueExW callers normally store it.
    void PutString(const std::wstring& path, const std::wstring& name, const std::wstring& text,
                   RegKeyHandle root = HKEY_CURRENT_USER) {
        PutValue(path, name, REG_SZ, StringBytes(text), root);
    }
    // The value, or null when it (or its key) does not exist.
    const StoredValue* FindValue(const std::wstring& path, const std::wstring& name,
                                 RegKeyHandle root = HKEY_CURRENT_USER) const {
        const auto key = m_keys.find({root, Folded(path)});
        if (key == m_keys.end()) {
            return nullptr;
        }
        const auto value = key->second.values.find(Lower(name));
        return value != key->second.values.end() ? &value->second : nullptr;
    }
    // Every value below the root, depth first, keys and values in name order.
    std::vector<StoredValue> AllValues(RegKeyHandle root = HKEY_CURRENT_USER) const {
        std::vector<StoredValue> values;
        for (auto key = m_keys.lower_bound({root, L""}); key != m_keys.end() && key->first.first == root;
             ++key) {
            for (const auto& value : key->second.values) {
                values.push_back(value.second);
            }
        }
        return values;
    }
    // Every key below the root (root-relative paths, stored case), in the same order.
    std::vector<std::wstring> AllKeys(RegKeyHandle root = HKEY_CURRENT_USER) const {
        std::vector<std::wstring> keys;
        for (auto key = m_keys.upper_bound({root, L""}); key != m_keys.end() && key->first.first == root;
             ++key) {
            keys.push_back(key->second.path);
        }
        return keys;
    }

    // Failure switches: creating or opening any key, or writing any value (or only values with
    // the given name), fails with ERROR_ACCESS_DENIED.
    void FailCreates(bool bFail) { m_bFailCreates = bFail; }
    void FailWrites(bool bFail) { m_bFailWrites = bFail; }
    void FailWritesTo(const std::wstring& valueName) { m_strFailWritesTo = valueName; }

    std::size_t OpenKeyCount() const { return m_openKeys.size(); }
    int InvalidHandleUses() const { return m_nInvalidHandleUses; }
    int CallCount() const { return m_nCalls; }
    const std::vector<CreateCall>& CreateCalls() const { return m_createCalls; }

private:
    struct Key {
        RegKeyHandle root = 0;
        std::wstring path;
        std::map<std::wstring, StoredValue> values; // by lower-case name
    };

    static bool IsPredefined(RegKeyHandle key) { return key >= HKEY_CLASSES_ROOT; }
    static std::wstring Lower(std::wstring text) {
        std::transform(text.begin(), text.end(), text.begin(), [](wchar_t ch) {
            return static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(ch)));
        });
        return text;
    }
    static std::vector<std::wstring> Parts(const std::wstring& path) {
        std::vector<std::wstring> parts;
        std::wistringstream stream(path);
        for (std::wstring part; std::getline(stream, part, L'\\');) {
            if (!part.empty()) {
                parts.push_back(part);
            }
        }
        return parts;
    }
    // Lower case, parts joined by a character that sorts before any other: so the keys of a root
    // stand in m_keys depth first, in name order.
    static std::wstring Folded(const std::wstring& path) {
        std::wstring folded;
        for (const std::wstring& part : Parts(path)) {
            folded += (folded.empty() ? L"" : L"\x01") + Lower(part);
        }
        return folded;
    }

    Key& Root(RegKeyHandle root) {
        Key& key = m_keys[{root, L""}];
        key.root = root;
        return key;
    }
    Key& Descend(const Key& from, const std::wstring& subKey) {
        std::wstring path = from.path;
        for (const std::wstring& part : Parts(subKey)) {
            const std::wstring wanted = path.empty() ? part : path + L'\\' + part;
            Key& key = m_keys[{from.root, Folded(wanted)}];
            if (key.path.empty()) {
                key = Key{from.root, wanted, {}};
            }
            path = key.path;
        }
        return m_keys[{from.root, Folded(path)}];
    }
    Key* KeyOf(RegKeyHandle handle) {
        if (IsPredefined(handle)) {
            return &Root(handle);
        }
        const auto found = m_openKeys.find(handle);
        if (found != m_openKeys.end()) {
            return found->second;
        }
        ++m_nInvalidHandleUses;
        return nullptr;
    }
    void Store(Key& key, const std::wstring& name, std::uint32_t type, std::vector<std::uint8_t> data) {
        StoredValue& value = key.values[Lower(name)];
        value = StoredValue{key.path, value.name.empty() ? name : value.name, type, std::move(data)};
        m_bChanged = true;
    }

    std::map<std::pair<RegKeyHandle, std::wstring>, Key> m_keys; // by root and folded path
    std::map<RegKeyHandle, Key*> m_openKeys;
    RegKeyHandle m_nNextHandle = 0x1000;
    bool m_bFailCreates = false;
    bool m_bFailWrites = false;
    std::wstring m_strFailWritesTo;
    int m_nInvalidHandleUses = 0;
    int m_nCalls = 0;
    bool m_bChanged = false;
    std::vector<CreateCall> m_createCalls;
};
