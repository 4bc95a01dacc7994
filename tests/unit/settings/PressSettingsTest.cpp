// The settings a press reads: no registry traffic between presses while nothing changes, and what a
// dialog or another instance stores counts from the next press.
#include "settings/PressSettings.h"
#include "SettingsFixture.h"

namespace {

class PressSettings : public SettingsFixture {
protected:
    CPressSettings m_press{m_settings};
};

} // namespace

TEST_F(PressSettings, WatchedValuesAreReadOnceAndAgainAfterAChange) {
    m_registry.PutDword(SEEKED_PATH, L"Settings 0", 0x1234);
    m_press.Watch();
    EXPECT_EQ(m_press.Read().hSeekedWindow, 0x1234u);

    const int nCallsAfterFirstRead = m_registry.CallCount();
    EXPECT_FALSE(m_press.Read().options.bSendChars);
    EXPECT_EQ(m_registry.CallCount(), nCallsAfterFirstRead) << "nothing changed: no registry call";

    m_registry.PutDword(SectionPath(L"Settings 0"), L"SendChars", 1);
    m_registry.PutString(SectionPath(L"Settings 0"), L"TargetWindowClass", L"Notepad");
    EXPECT_TRUE(m_press.Read().options.bSendChars);
    EXPECT_EQ(m_press.Read().options.strTargetName, L"Notepad") << "the class stands in for a missing name";

    m_press.Forget();
    EXPECT_EQ(m_registry.OpenKeyCount(), 0u);
    m_registry.PutDword(SectionPath(L"Settings"), L"UseOldKeyInputMethod", 0);
    EXPECT_EQ(m_press.Read().nUseOldKeyInputMethod, 0) << "unwatched, every read goes to the registry";
}
