#pragma once
// The built-in character's voice: the platform's speech synthesis (SAPI 5),
// spoken without waiting, with its progress delivered as a window message to
// the character's own window, so everything stays on the object's thread.
// The voice is one of the character's language when one is installed, else
// the default one; with no voice at all (or the user's choice of silence),
// speak() answers false and the stage paces the balloon by itself.

#include "stage.h"
#include "voice_settings.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct ISpVoice;
struct ISpObjectToken;

namespace gesticon::builtin {

class SapiVoice final : public Voice {
public:
    SapiVoice(HWND window, UINT message) : window_(window), message_(message) {}
    ~SapiVoice() override;
    SapiVoice(const SapiVoice&) = delete;
    SapiVoice& operator=(const SapiVoice&) = delete;

    // The Windows language identifier the voice is chosen for (at the next speech).
    void setLanguage(std::int32_t languageId) { language_ = languageId; }

    bool speak(std::wstring_view text) override;
    void stop() override;
    // On the window message: passes the voice's progress on to `stage`.
    void deliverEvents(Stage& stage);

private:
    // The voice for the present settings and language; false when there is none.
    bool prepare(const VoiceSettings& settings);

    HWND window_;
    UINT message_;
    ISpVoice* voice_ = nullptr;
    bool unavailable_ = false;
    std::int32_t language_ = 0;
    // What the voice was last chosen for; a change chooses again.
    bool chosen_ = false;
    std::int32_t chosenLanguage_ = 0;
    std::wstring chosenId_;
    bool chosenByUs_ = false;
    bool anyVoice_ = false;
    int rate_ = 0;
    unsigned long stream_ = 0; // the speech whose progress counts; 0 when none
};

struct InstalledVoice {
    std::wstring id;
    std::wstring description;
};

// The voices installed for SAPI 5, in its order; empty without SAPI.
std::vector<InstalledVoice> installedVoices();

} // namespace gesticon::builtin
