#pragma once
// Files in memory by path, and file dialogs that answer with the next name the test gave (or
// cancel). Every write gives the file a new stamp; the read-only file cannot be written, the
// unreadable one cannot be read.
#include <deque>
#include <map>
#include <string>

#include "ports/IFiles.h"

class FakeFiles : public IFiles {
public:
    bool GetOpenFileName(WindowHandle, const std::wstring&, const std::wstring&,
                         std::wstring& path) override {
        return Answer(path);
    }
    bool GetSaveFileName(WindowHandle, const std::wstring&, const std::wstring&,
                         std::wstring& path) override {
        return Answer(path);
    }
    bool ReadFile(const std::wstring& path, std::size_t maxBytes, std::string& bytes,
                  std::wstring& strError) override {
        const auto found = m_files.find(path);
        if (found == m_files.end() || path == m_strUnreadable) {
            strError =
                found == m_files.end() ? L"The system cannot find the file specified." : L"Access is denied.";
            return false;
        }
        bytes = found->second.substr(0, maxBytes + 1);
        return true;
    }
    bool WriteFile(const std::wstring& path, const std::string& bytes, std::wstring& strError) override {
        if (path == m_strReadOnly) {
            strError = L"Access is denied.";
            return false;
        }
        Put(path, bytes);
        return true;
    }
    bool GetStamp(const std::wstring& path, FileStamp& stamp) override {
        stamp.nWriteTime = m_stamps[path];
        return m_files.count(path) != 0;
    }
    std::wstring ProgramFolder() override { return L"C:\\Portable\\"; }
    std::wstring GetFullPathName(const std::wstring& path) override {
        return path.find(L':') == std::wstring::npos ? L"C:\\work\\" + path : path;
    }
    bool SendCopyData(WindowHandle, WindowHandle, std::uintptr_t, const std::wstring&, std::uint32_t,
                      LResult*) override {
        return false;
    }

    // As another program writes it.
    void Put(const std::wstring& path, const std::string& bytes) {
        m_files[path] = bytes;
        m_stamps[path] = ++m_nLastStamp;
    }

    std::map<std::wstring, std::string> m_files;
    std::wstring m_strReadOnly;
    std::wstring m_strUnreadable;
    // The names the next dialogs return; an empty one is a cancel.
    std::deque<std::wstring> m_dialogAnswers;

private:
    bool Answer(std::wstring& path) {
        const std::wstring answer = m_dialogAnswers.empty() ? L"" : m_dialogAnswers.front();
        if (!m_dialogAnswers.empty()) {
            m_dialogAnswers.pop_front();
        }
        path = answer.empty() ? path : answer;
        return !answer.empty();
    }

    std::map<std::wstring, std::uint64_t> m_stamps;
    std::uint64_t m_nLastStamp = 0;
};
