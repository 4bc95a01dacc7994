#pragma once
// An in-memory registry with the semantics of RegCreateKeyExW / RegQueryValueExW / RegSetValueExW /
// RegCloseKey: key and value names match without regard to case (and keep the case they were
// created with), values keep their type and raw bytes, a short buffer yields ERROR_MORE_DATA with the
// full size. Every open handle is tracked, so a test can check that all of them were closed.
//
// Paths in the helpers below are relative to a predefined root (HKEY_CURRENT_USER by default),
// components separated by backslashes, e.g. L"software\\Tov rin\\Tapwell by Tovrin\\Settings 0".
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

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
        long result = 0;
    };

    FakeRegistry();
    ~FakeRegistry() override;

    long CreateKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                   RegKeyHandle* result) override;
    long QueryValue(RegKeyHandle key, const std::wstring& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long SetValue(RegKeyHandle key, const std::wstring& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long CloseKey(RegKeyHandle key) override;
    // Any value written since the last call (or watch) counts as a change of every watched key.
    bool WatchKey(RegKeyHandle key) override;
    bool TakeKeyChange() override;

    // Seeding and inspection, bypassing handles and failure switches.
    void PutValue(const std::wstring& path, const std::wstring& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data, RegKeyHandle root = HKEY_CURRENT_USER);
    void PutDword(const std::wstring& path, const std::wstring& name, std::uint32_t value,
                  RegKeyHandle root = HKEY_CURRENT_USER);
    // REG_SZ with its terminating null, as RegSetValueExW callers normally store it.
    void PutString(const std::wstring& path, const std::wstring& name, const std::wstring& text,
                   RegKeyHandle root = HKEY_CURRENT_USER);
    void CreateKeyPath(const std::wstring& path, RegKeyHandle root = HKEY_CURRENT_USER);
    bool KeyExists(const std::wstring& path, RegKeyHandle root = HKEY_CURRENT_USER) const;
    // The value, or null when it (or its key) does not exist.
    const StoredValue* FindValue(const std::wstring& path, const std::wstring& name,
                                 RegKeyHandle root = HKEY_CURRENT_USER) const;
    // Every value below the root, depth first, keys and values in name order.
    std::vector<StoredValue> AllValues(RegKeyHandle root = HKEY_CURRENT_USER) const;
    // Every key below the root (root-relative paths, stored case).
    std::vector<std::wstring> AllKeys(RegKeyHandle root = HKEY_CURRENT_USER) const;

    // Failure switches: creating or opening any key, or writing any value (or only values with
    // the given name), fails with ERROR_ACCESS_DENIED.
    void FailCreates(bool bFail) { m_bFailCreates = bFail; }
    void FailWrites(bool bFail) { m_bFailWrites = bFail; }
    void FailWritesTo(const std::wstring& valueName) { m_strFailWritesTo = valueName; }

    // Accounting.
    std::size_t OpenKeyCount() const { return m_openKeys.size(); }
    int InvalidHandleUses() const { return m_nInvalidHandleUses; }
    int CallCount() const { return m_nCalls; }
    const std::vector<CreateCall>& CreateCalls() const { return m_createCalls; }

private:
    struct Node;

    Node& Root(RegKeyHandle root);
    const Node* FindRoot(RegKeyHandle root) const;
    Node* NodeFor(RegKeyHandle key);
    Node& Descend(Node& from, const std::wstring& path);
    const Node* FindNode(const std::wstring& path, RegKeyHandle root) const;
    // Every key below the root, depth first in name order.
    void VisitDepthFirst(RegKeyHandle root, const std::function<void(const Node&)>& visit) const;

    std::map<RegKeyHandle, std::unique_ptr<Node>> m_roots;
    std::map<RegKeyHandle, Node*> m_openKeys;
    RegKeyHandle m_nNextHandle = 0x1000;
    bool m_bFailCreates = false;
    bool m_bFailWrites = false;
    std::wstring m_strFailWritesTo;
    int m_nInvalidHandleUses = 0;
    int m_nCalls = 0;
    bool m_bChanged = false;
    std::vector<CreateCall> m_createCalls;
};
