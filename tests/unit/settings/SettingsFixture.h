#pragma once
// A profile and a settings object over an empty in-memory registry, set up as start-up leaves them
// (registry key "Tov rin", application "Tapwell by Tovrin", instance 0). Restores the process-wide
// instance section afterwards, and fails any test that leaves a key open or uses a stale handle.
#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeRegistry.h"
#include "settings/AppSettings.h"
#include "settings/InstanceSection.h"
#include "settings/Profile.h"

inline const std::wstring APP_TITLE = L"Tapwell by Tovrin";
inline const std::wstring PROFILE_PATH = L"software\\Tov rin\\Tapwell by Tovrin";
inline const std::wstring SEEKED_PATH = L"Software\\Tovrin\\Tapwell\\SeekedWindows";

inline std::wstring SectionPath(const std::wstring& section) {
    return PROFILE_PATH + L"\\" + section;
}

class SettingsFixture : public ::testing::Test {
protected:
    SettingsFixture() : m_savedSection(g_strInstanceSection), m_nSavedNumber(g_nInstanceNumber) {
        m_profile.SetApplicationName(APP_TITLE);
        m_profile.SetRegistryKey(L"Tov rin");
        g_nInstanceNumber = 0;
        m_settings.FormatInstanceSection();
    }

    ~SettingsFixture() override {
        g_strInstanceSection = m_savedSection;
        g_nInstanceNumber = m_nSavedNumber;
    }

    void TearDown() override {
        EXPECT_EQ(m_registry.OpenKeyCount(), 0u) << "a registry key was left open";
        EXPECT_EQ(m_registry.InvalidHandleUses(), 0) << "a closed or unknown key handle was used";
    }

    FakeRegistry m_registry;
    CProfile m_profile{m_registry};
    CAppSettings m_settings{m_profile};

private:
    std::wstring m_savedSection;
    int m_nSavedNumber;
};
