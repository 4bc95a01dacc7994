#pragma once
// A profile and a settings object over an empty in-memory registry, set up as start-up leaves them
// (registry key "Tov rin", application "Tapwell by Tovrin", instance 0). Restores the process-wide
// instance section afterwards, and fails any test that leaves a key open or uses a stale handle.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "SettingsCases.h"
#include "fakes/FakeRegistry.h"

class SettingsFixture : public ::testing::Test {
protected:
    SettingsFixture() { SetUpAsAtStartUp(m_profile); }

    void TearDown() override {
        EXPECT_EQ(m_registry.OpenKeyCount(), 0u) << "a registry key was left open";
        EXPECT_EQ(m_registry.InvalidHandleUses(), 0) << "a closed or unknown key handle was used";
    }

    // Every key opened so far was path below HKEY_CURRENT_USER, opened for reading and writing.
    void ExpectKeysOpenedAt(const std::wstring& path, std::size_t nCount) {
        ASSERT_EQ(m_registry.CreateCalls().size(), nCount);
        for (const auto& call : m_registry.CreateCalls()) {
            EXPECT_EQ(call.parent, HKEY_CURRENT_USER);
            EXPECT_EQ(call.subKey, path);
            EXPECT_EQ(call.access, KEY_READ | KEY_WRITE);
        }
    }

    void Store(const std::vector<RawValue>& values) {
        for (const RawValue& value : values) {
            m_registry.PutValue(value.path, value.name, value.type, value.data);
        }
    }

    FakeRegistry m_registry;
    CProfile m_profile{m_registry};
    CAppSettings m_settings{m_profile};

private:
    FirstInstanceSection m_section{m_settings};
};
