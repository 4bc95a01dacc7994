#pragma once
// The journal of the keys a Tapwell may hold down, kept where a Tapwell started after one that died
// finds it: a volatile registry key, which outlives the process but not the logon session. Each
// process has one value, named by its id and creation time (an id alone may be reused), holding the
// key-ups of its keys in the way they went down.
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

    // Makes keyUps this process's entry; none clears it.
    void Record(const std::vector<KeyUp>& keyUps);
    // The key-ups of processes that have ended, whose entries are cleared with those that cannot be
    // read. Entries of processes that still run are left alone.
    std::vector<KeyUp> TakeKeyUpsOfEndedProcesses();

private:
    bool OpenJournal(CRegKey& journal);
    const std::wstring& OwnEntryName();
    bool IsRunning(std::uint32_t processId, std::uint64_t creationTime);

    IRegistry& m_registry;
    IProcess& m_process;
    std::wstring m_strOwnEntry;
};
