#include <algorithm>
#include <string>

#include "MainDialogFixture.h"
#include "settings/ProfileFile.h"
#include "ui/ProfileRequest.h"

class ProfileMenu : public MainDialogFixture {
protected:
    void SetUp() override {
        m_files.m_files[L"C:\\farm.tapwell"] =
            "Tapwell Profile 1\nKeyIndexTobeAutomated = F5\n"
            "AutoClicksDelaySeconds = 2\nSetNumberOfClicksToAutomate = 3\n";
        m_files.m_files[L"C:\\bad.tapwell"] = "Tapwell Profile 1\nHoldKey = 1\nAutoClicksDelaySeconds = 75\n";
        Start();
    }
    void Command(std::uint32_t id) { m_windows.Deliver(Main(), WM_COMMAND, id, 0); }
    // WM_COPYDATA as a script's Tapwell sends it; the answer.
    LResult SendRequest(const ProfileRequest& request) {
        const std::wstring text = EncodeProfileRequest(request);
        std::string units;
        for (wchar_t c : text) {
            units += {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF)};
        }
        const CopyDataRecord data{PROFILE_REQUEST_DATA, static_cast<std::uint32_t>(units.size()),
                                  units.data()};
        return m_windows.Deliver(Main(), WM_COPYDATA, 0, reinterpret_cast<LParam>(&data));
    }
};

TEST_F(ProfileMenu, OpenFillsTheFormAndTheStoredValuesAndListsTheFileFirst) {
    m_files.m_dialogAnswers.push_back(L"C:\\farm.tapwell");
    Command(ID_CONTEXT_OPEN_PROFILE);
    EXPECT_EQ(Text(IDC_DELAY_SECONDS), L"2");
    EXPECT_EQ(Text(IDC_KEYS_TO_PRESS), L"3");
    EXPECT_EQ(Items(IDC_KEY_LIST)[static_cast<std::size_t>(Selection(IDC_KEY_LIST))].text, L"F5");
    std::wstring strRecent;
    m_settings.Get(RECENT_PROFILES[0], strRecent);
    EXPECT_EQ(strRecent, L"C:\\farm.tapwell");
}

TEST_F(ProfileMenu, ARefusedFileChangesNothingAndSaysWhichLineAndWhy) {
    const auto before = m_store.AllValues();
    m_files.m_dialogAnswers.push_back(L"C:\\bad.tapwell");
    Command(ID_CONTEXT_OPEN_PROFILE);
    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    EXPECT_NE(
        m_windows.MessageBoxes()[0].text.find(L"Line 3: AutoClicksDelaySeconds must be an integer between 0 "
                                              L"and 59"),
        std::wstring::npos);
    EXPECT_EQ(m_store.AllValues().size(), before.size());
}

TEST_F(ProfileMenu, SaveWritesWhatOpenReadsBackAndAReadOnlyPlaceIsToldNotWritten) {
    m_files.m_dialogAnswers = {L"C:\\farm.tapwell", L"C:\\copy.tapwell", L"C:\\locked.tapwell"};
    m_files.m_strReadOnly = L"C:\\locked.tapwell";
    Command(ID_CONTEXT_OPEN_PROFILE);
    Command(ID_CONTEXT_SAVE_PROFILE);
    const std::string saved = m_files.m_files[L"C:\\copy.tapwell"];
    EXPECT_NE(saved.find("KeyIndexTobeAutomated = F5\r\nModKeyIndexTobeAutomated = \r\n"), std::string::npos);
    EXPECT_NE(saved.find("AutoClicksDelaySeconds = 2\r\n"), std::string::npos);
    Command(ID_CONTEXT_SAVE_PROFILE);
    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    EXPECT_NE(m_windows.MessageBoxes()[0].text.find(L"Access is denied."), std::wstring::npos);
}

TEST_F(ProfileMenu, AScriptsProfileOpensAndStartsOrIsRefusedWithItsReasonShownAfterTheAnswer) {
    EXPECT_EQ(SendRequest({EVERY_INSTANCE, true, L"C:\\farm.tapwell"}), PROFILE_OPENED);
    EXPECT_EQ(m_settings.Get(SET_NUMBER_OF_CLICKS_TO_AUTOMATE), 3);
    EXPECT_TRUE(IsPostedToMain(g_nRemoteCommandMsg,
                               EncodeRemoteCommand(RemoteCommand::Start, EVERY_INSTANCE).wParam));
    EXPECT_EQ(SendRequest({7, false, L"C:\\bad.tapwell"}), PROFILE_NOT_FOR_THIS_INSTANCE);
    EXPECT_EQ(SendRequest({0, false, L"C:\\bad.tapwell"}), PROFILE_REFUSED);
    EXPECT_TRUE(m_windows.MessageBoxes().empty());
    m_windows.DispatchPosted();
    EXPECT_EQ(m_windows.MessageBoxes().size(), 1u);
}

TEST_F(ProfileMenu, RecentProfilesAreGreyedWithANoteWhileARunGoesOn) {
    m_files.m_dialogAnswers.push_back(L"C:\\farm.tapwell");
    Command(ID_CONTEXT_OPEN_PROFILE);
    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));
    Command(IDC_MENU);
    const auto& items = m_menus.MenuOf(m_menus.Tracked().back().menu).items;
    const auto recent = std::find_if(items.begin(), items.end(), [](const FakeMenus::Item& item) {
        return item.id == ID_RECENT_PROFILE_FIRST;
    });
    ASSERT_NE(recent, items.end());
    EXPECT_EQ(recent->text, L"&1 farm.tapwell  (stop pressing keys to switch)");
    EXPECT_EQ(recent->flags & MF_GRAYED, MF_GRAYED);
}
