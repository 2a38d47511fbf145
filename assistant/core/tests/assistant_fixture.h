#pragma once
// An assistant over the recording fake, on a 1024 x 768 screen whose
// Windows folder is C:\WINDOWS.

#include "asistente.h"
#include "fake_agent_control.h"
#include "show_journal.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace gesticon::tests {

// Latin-1 widening stands in for the ANSI code page.
inline std::wstring latin1ToWide(std::string_view bytes)
{
    std::wstring out;
    for (char c : bytes)
        out += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return out;
}

inline Platform platformWith(std::string windowsFolder, ScreenTwips screen = {15360, 11520})
{
    Platform platform;
    platform.getWindowsDirectoryA = [windowsFolder](char* buffer, std::uint32_t size) {
        if (windowsFolder.size() + 1 > size)
            return static_cast<std::uint32_t>(windowsFolder.size() + 1);
        std::memcpy(buffer, windowsFolder.c_str(), windowsFolder.size() + 1);
        return static_cast<std::uint32_t>(windowsFolder.size());
    };
    platform.ansiToWide = latin1ToWide;
    platform.screenSizeInTwips = [screen] { return screen; };
    return platform;
}

class AssistantTest : public ::testing::Test {
protected:
    std::unique_ptr<asistente> makeAssistant(Platform platform = platformWith("C:\\WINDOWS"))
    {
        auto created = asistente::create(
            [this]() -> Result<std::unique_ptr<AgentControl>> {
                return std::unique_ptr<AgentControl>(std::make_unique<FakeAgentControl>(state));
            },
            std::move(platform));
        EXPECT_TRUE(created.ok());
        return created ? std::move(*created) : nullptr;
    }

    // Journal lines recorded from now on.
    void clearJournal() { state->journal.clear(); }
    const std::vector<std::string>& journal() const { return state->journal; }

    void failNext(const std::string& call, Failure failure) { state->failures[call] = failure; }

    std::shared_ptr<FakeAgentState> state = std::make_shared<FakeAgentState>();
};

inline const Failure kControlFailure{static_cast<std::int32_t>(0x80070002), L"file not found", L"AgentControl"};

} // namespace gesticon::tests
