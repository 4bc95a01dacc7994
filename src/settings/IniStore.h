#pragma once
// The settings in a file a person can read (portable mode): the profile's sections as they are
// named in the registry, and a section "SeekedWindows" for the selected windows. The file is read
// at start and again whenever its stamp shows that another instance replaced it; reads are served
// from what was read. Every change is written at once: the file is read again, this process's own
// changes are put into it, and it is replaced whole, so one instance does not drop another's values
// and a write cut short leaves the old file.
//
// A file that cannot be read is never written; one that cannot be written keeps the changes in
// memory. Either way the user is told once, with the file's path, and the program goes on.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ports/IFiles.h"
#include "settings/IniDocument.h"
#include "settings/SettingsStore.h"

class CIniStore : public ISettingsStore {
public:
    static constexpr std::size_t MAX_FILE_BYTES = 64 * 1024;
    using ProblemHandler = std::function<void(const std::wstring& strMessage)>;

    CIniStore(IFiles& file, const std::wstring& path, ProblemHandler onProblem);
    // Reads the file for the first time.
    void Load();

    int ReadInt(const std::wstring& section, const std::wstring& name, int nDefault) override;
    bool WriteInt(const std::wstring& section, const std::wstring& name, int nValue) override;
    std::wstring ReadString(const std::wstring& section, const std::wstring& name,
                            const std::wstring& strDefault) override;
    bool WriteString(const std::wstring& section, const std::wstring& name,
                     const std::wstring& text) override;
    int ReadWindow(const std::wstring& instanceSection, int nDefault) override;
    bool WriteWindow(const std::wstring& instanceSection, int nValue) override;

    // A change is this process's own write or the file replaced by another.
    bool OpenWatch() override { return true; }
    bool Rewatch() override { return true; }
    bool TakeChange() override;
    void CloseWatch() override {}

private:
    struct Change {
        std::wstring section;
        std::wstring name;
        std::wstring value;
    };

    // Reads the file again when its stamp changed; false when it could not be read.
    bool Refresh();
    bool Write(const std::wstring& section, const std::wstring& name, const std::wstring& value);
    void Report(const std::wstring& strWhat, const std::wstring& strReason, const std::wstring& strOutcome);

    IFiles& m_file;
    const std::wstring m_strPath;
    ProblemHandler m_onProblem;
    CIniDocument m_document;
    FileStamp m_stamp;
    bool m_bStamped = false;
    // Changes not yet in the file; put into every new reading of it.
    std::vector<Change> m_pending;
    // False after the first reading failed: the file is then never written.
    bool m_bReadable = true;
    bool m_bReported = false;
    bool m_bChanged = false;
};

// The store of a portable Tapwell: the settings file in the program's folder, read; nothing when
// there is no such file, and the registry is used.
std::unique_ptr<CIniStore> OpenPortableStore(IFiles& file, CIniStore::ProblemHandler onProblem);
