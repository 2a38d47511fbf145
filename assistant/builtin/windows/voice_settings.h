#pragma once
// The user's choices for the built-in assistant's voice, set in its
// "Opciones Avanzadas" window and kept per user in the registry
// (HKEY_CURRENT_USER\Software\Gesticon\Asistente).

#include <string>

namespace gesticon::builtin {

struct VoiceSettings {
    bool speakAloud = true;
    int rate = 0;         // SAPI's -10 (slowest) to 10 (fastest)
    std::wstring voiceId; // a voice token's identifier; empty: the character's language decides
    bool operator==(const VoiceSettings&) const = default;
};

VoiceSettings loadVoiceSettings();
bool saveVoiceSettings(const VoiceSettings& settings);

} // namespace gesticon::builtin
