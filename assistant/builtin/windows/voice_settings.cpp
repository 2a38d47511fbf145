#include "voice_settings.h"

#include <windows.h>

#include <algorithm>

namespace gesticon::builtin {

namespace {

constexpr wchar_t kKey[] = L"Software\\Gesticon\\Asistente";
constexpr wchar_t kSpeakAloud[] = L"VozActiva";
constexpr wchar_t kRate[] = L"Velocidad";
constexpr wchar_t kVoice[] = L"Voz";

bool readNumber(HKEY key, const wchar_t* name, DWORD& value)
{
    DWORD type = 0, size = sizeof(value);
    return RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
           type == REG_DWORD;
}

} // namespace

VoiceSettings loadVoiceSettings()
{
    VoiceSettings settings;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return settings;
    DWORD number = 0;
    if (readNumber(key, kSpeakAloud, number))
        settings.speakAloud = number != 0;
    if (readNumber(key, kRate, number))
        settings.rate = std::max(-10, std::min(10, static_cast<int>(static_cast<LONG>(number))));
    wchar_t text[512] = {};
    DWORD type = 0, size = sizeof(text) - sizeof(wchar_t);
    if (RegQueryValueExW(key, kVoice, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS &&
        type == REG_SZ)
        settings.voiceId = text; // the buffer's last character stays 0
    RegCloseKey(key);
    return settings;
}

bool saveVoiceSettings(const VoiceSettings& settings)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD speakAloud = settings.speakAloud ? 1 : 0;
    const DWORD rate = static_cast<DWORD>(settings.rate);
    const bool saved =
        RegSetValueExW(key, kSpeakAloud, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&speakAloud), sizeof(DWORD)) ==
            ERROR_SUCCESS &&
        RegSetValueExW(key, kRate, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&rate), sizeof(DWORD)) ==
            ERROR_SUCCESS &&
        RegSetValueExW(key, kVoice, 0, REG_SZ, reinterpret_cast<const BYTE*>(settings.voiceId.c_str()),
                       static_cast<DWORD>((settings.voiceId.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    RegCloseKey(key);
    return saved;
}

} // namespace gesticon::builtin
