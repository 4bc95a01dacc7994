#pragma once
// Shared set-up of the injector tests: the injector over the recording input fake and the fake
// window system, and a selected window that the test sets.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/MouseClickManager.h"
#include "fakes/FakeKeyboardInput.h"
#include "fakes/FakeWindowQueries.h"
#include "ports/Win32Constants.h"

class CSelectedWindowStub : public ISelectedWindowSource {
public:
    WindowHandle GetSeekedWindow() override { return m_hWindow; }

    WindowHandle m_hWindow = 0;
};

// One press of a run, as the run controller asks for it.
struct Press {
    int modifierVk;
    int keyVk;
    bool hold;
};

const std::vector<std::uint32_t> NOTHING_DOWN;
// Bits a posted message adds to the key's own lParam: the key was down; it goes up; Alt is down.
constexpr std::uint32_t PREVIOUS = 0x40000000, RELEASED = 0xC0000000, ALT = 0x20000000;

class InjectorFixture : public ::testing::Test {
protected:
    // Keys go to a new selected window, "target": a top-level window of another program, whose
    // thread (1002) gets attached to this one (1001) around the posts.
    void SelectTarget() {
        target = Named("target", windows.AddTopLevelWindow(L"Untitled - Notepad", L"Notepad"));
        selected.m_hWindow = target;
        injector.m_pressOptions.bSendToActiveWindow = false;
    }

    // The input fake's line for the key's record as the record builder makes it (flags: KEYEVENTF_KEYUP).
    std::string Sent(int vk, std::uint32_t flags = 0) {
        const auto key = static_cast<std::uint16_t>(vk);
        return "SendInput 1 " + CFakeKeyboardInput::RecordText(CKeyRecordBuilder(input).Record(key, flags));
    }
    // A message posted to a named window, with the builder's code and lParam for the key plus bits.
    std::string Post(const std::string& window, const char* message, int vk, std::uint32_t bits = 0) {
        const auto key = static_cast<std::uint16_t>(vk);
        const auto lParam =
            static_cast<std::uint32_t>(MakeLParam(CKeyRecordBuilder(input).MessageParams(key)));
        return "PostMessage " + window + " " + message + " " + Hex(CKeyRecordBuilder::MessageVk(key), 2) +
               " " + Hex(lParam | bits, 8);
    }

    // Lets expected lines name a window instead of giving its handle: "PostMessage target WM_KEYUP ...".
    WindowHandle Named(const std::string& name, WindowHandle window) {
        m_names[name] = window;
        return window;
    }
    std::vector<std::string> Lines(std::vector<std::string> lines) const {
        for (std::string& line : lines) {
            for (const auto& named : m_names) {
                const std::size_t at = line.find(" " + named.first + " ");
                if (at != std::string::npos) {
                    line.replace(at + 1, named.first.size(), Hex(named.second));
                }
            }
        }
        return lines;
    }

    // Sends the rest of the press under way, as the run does once its pause is over; the log shows
    // the pause as "Pause <ms>".
    void FinishPress() {
        if (injector.HasUnfinishedPress()) {
            input.Note("Pause " + std::to_string(injector.GetKeyDelay()));
            injector.FinishPress();
        }
    }

    FakeWindowTree windows;
    FakeWindowQueries queries{windows};
    CFakeKeyboardInput input;
    CSelectedWindowStub selected;
    CMouseClickManager injector{input, queries, selected};
    WindowHandle target = 0;

private:
    std::map<std::string, WindowHandle> m_names;
};
