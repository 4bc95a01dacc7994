#pragma once
// The journal of the keys a Tapwell may hold down, kept where a Tapwell started after one that died
// finds it: a volatile registry key, which outlives the process but not the logon session. Each
// process has one value, named by its id and creation time (an id alone may be reused), holding the
// key-ups of its keys in the way they went down. While it has an entry, the process holds a named
// mutex of the same name, which the system closes however the process ends: so an entry whose mutex
// is gone is one of a Tapwell that has ended.
#include <cstdint>
#include <string>
#include <vector>

#include "core/KeyUp.h"
#include "ports/IProcess.h"
#include "ports/IRegistry.h"
#include "settings/RegKey.h"

class CKeyJournal {
public:
    // The most key-ups one entry holds; an entry with more is not one of ours.
    static constexpr std::size_t MAX_KEY_UPS = 256;

    CKeyJournal(IRegistry& registry, IProcess& process);
    ~CKeyJournal();
    CKeyJournal(const CKeyJournal&) = delete;
    CKeyJournal& operator=(const CKeyJournal&) = delete;

    // Makes keyUps this process's entry; none clears it.
    void Record(const std::vector<KeyUp>& keyUps);
    // The key-ups of processes that have ended, whose entries are cleared with those that cannot be
    // read. Entries of processes that still run are left alone.
    std::vector<KeyUp> TakeKeyUpsOfEndedProcesses();

private:
    bool OpenJournal(CRegKey& journal);
    const std::wstring& OwnEntryName();
    bool IsRunning(const std::wstring& entryName);

    IRegistry& m_registry;
    IProcess& m_process;
    std::wstring m_strOwnEntry;
    MutexHandle m_hOwnMutex = 0;
};
