#pragma once
// The registry port on the Win32 registry, one call per operation.
#include "ports/IRegistry.h"

class CWin32Registry : public IRegistry {
public:
    long CreateKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                   RegKeyHandle* result) override;
    long QueryValue(RegKeyHandle key, const std::wstring& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long SetValue(RegKeyHandle key, const std::wstring& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long CloseKey(RegKeyHandle key) override;
    long CreateVolatileKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                           RegKeyHandle* result) override;
    long EnumValueName(RegKeyHandle key, std::uint32_t index, std::wstring* name) override;
    long DeleteValue(RegKeyHandle key, const std::wstring& name) override;
    bool WatchKey(RegKeyHandle key) override;
    bool TakeKeyChange() override;

    CWin32Registry() = default;
    ~CWin32Registry() override;
    CWin32Registry(const CWin32Registry&) = delete;
    CWin32Registry& operator=(const CWin32Registry&) = delete;

private:
    // Set by any watched key's change; an auto-reset event, so taking the change clears it.
    void* m_hChanged = nullptr;
};
