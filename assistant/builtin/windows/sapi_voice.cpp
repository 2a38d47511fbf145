#include "sapi_voice.h"

#include <windows.h>
#include <sapi.h>

#include <functional>

namespace gesticon::builtin {

namespace {

constexpr wchar_t kVoicesCategory[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices";

// SAPI's attribute for a language: its identifier in hexadecimal, "Language=C0A".
std::wstring languageAttribute(std::int32_t languageId)
{
    wchar_t digits[16];
    int n = 0;
    auto value = static_cast<std::uint32_t>(languageId) & 0xFFFFu;
    do {
        digits[n++] = L"0123456789ABCDEF"[value % 16];
        value /= 16;
    } while (value != 0);
    std::wstring attribute = L"Language=";
    while (n > 0)
        attribute += digits[--n];
    return attribute;
}

// Calls `visit` with each voice token that has `attributes` (all with
// nullptr), until it answers false.
void forEachVoice(const wchar_t* attributes, const std::function<bool(ISpObjectToken*)>& visit)
{
    ISpObjectTokenCategory* category = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_INPROC_SERVER, IID_ISpObjectTokenCategory,
                                reinterpret_cast<void**>(&category))))
        return;
    IEnumSpObjectTokens* tokens = nullptr;
    if (SUCCEEDED(category->SetId(kVoicesCategory, FALSE)) &&
        SUCCEEDED(category->EnumTokens(attributes, nullptr, &tokens)) && tokens) {
        ISpObjectToken* token = nullptr;
        ULONG fetched = 0;
        while (tokens->Next(1, &token, &fetched) == S_OK && fetched == 1 && token) {
            const bool more = visit(token);
            token->Release();
            if (!more)
                break;
        }
        tokens->Release();
    }
    category->Release();
}

std::wstring tokenId(ISpObjectToken* token)
{
    wchar_t* id = nullptr;
    std::wstring text;
    if (SUCCEEDED(token->GetId(&id)) && id) {
        text = id;
        CoTaskMemFree(id);
    }
    return text;
}

// The first voice with `attributes` whose identifier is `id` (any, when `id` is empty).
ISpObjectToken* findVoice(const wchar_t* attributes, const std::wstring& id)
{
    ISpObjectToken* found = nullptr;
    forEachVoice(attributes, [&](ISpObjectToken* token) {
        if (!id.empty() && tokenId(token) != id)
            return true;
        token->AddRef();
        found = token;
        return false;
    });
    return found;
}

// Frees what an event carries, as the event's parameter type says.
void clearEvent(SPEVENT& event)
{
    switch (event.elParamType) {
    case SPET_LPARAM_IS_TOKEN:
    case SPET_LPARAM_IS_OBJECT:
        if (event.lParam)
            reinterpret_cast<IUnknown*>(event.lParam)->Release();
        break;
    case SPET_LPARAM_IS_POINTER:
    case SPET_LPARAM_IS_STRING: CoTaskMemFree(reinterpret_cast<void*>(event.lParam)); break;
    default: break;
    }
}

} // namespace

SapiVoice::~SapiVoice()
{
    if (voice_) {
        stop();
        voice_->SetNotifySink(nullptr);
        voice_->Release();
    }
}

bool SapiVoice::prepare(const VoiceSettings& settings)
{
    if (!settings.speakAloud)
        return false;
    if (!voice_ && !unavailable_) {
        if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_INPROC_SERVER, IID_ISpVoice,
                                    reinterpret_cast<void**>(&voice_))) ||
            !voice_) {
            voice_ = nullptr;
            unavailable_ = true;
        } else {
            const ULONGLONG interest = SPFEI(SPEI_WORD_BOUNDARY) | SPFEI(SPEI_END_INPUT_STREAM);
            voice_->SetNotifyWindowMessage(window_, message_, 0, 0);
            voice_->SetInterest(interest, interest);
        }
    }
    if (!voice_)
        return false;
    if (!chosen_ || chosenLanguage_ != language_ || chosenId_ != settings.voiceId) {
        ISpObjectToken* token = settings.voiceId.empty() ? nullptr : findVoice(nullptr, settings.voiceId);
        if (!token)
            token = findVoice(languageAttribute(language_).c_str(), {});
        if (token) {
            voice_->SetVoice(token);
            token->Release();
            chosenByUs_ = true;
            anyVoice_ = true;
        } else {
            // The default voice, if there is one at all.
            if (chosenByUs_)
                voice_->SetVoice(nullptr);
            chosenByUs_ = false;
            ISpObjectToken* any = findVoice(nullptr, {});
            anyVoice_ = any != nullptr;
            if (any)
                any->Release();
        }
        chosen_ = true;
        chosenLanguage_ = language_;
        chosenId_ = settings.voiceId;
    }
    if (anyVoice_ && settings.rate != rate_) {
        voice_->SetRate(settings.rate);
        rate_ = settings.rate;
    }
    return anyVoice_;
}

bool SapiVoice::speak(std::wstring_view text)
{
    if (!prepare(loadVoiceSettings()))
        return false;
    const std::wstring copy(text);
    ULONG stream = 0;
    if (FAILED(voice_->Speak(copy.c_str(), SPF_ASYNC | SPF_IS_NOT_XML, &stream)))
        return false;
    stream_ = stream;
    return true;
}

void SapiVoice::stop()
{
    if (voice_ && stream_ != 0)
        voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
    stream_ = 0;
}

void SapiVoice::deliverEvents(Stage& stage)
{
    if (!voice_)
        return;
    SPEVENT event{};
    ULONG fetched = 0;
    while (SUCCEEDED(voice_->GetEvents(1, &event, &fetched)) && fetched == 1) {
        // Progress of a speech that was stopped is no longer wanted.
        if (stream_ != 0 && event.ulStreamNum == stream_) {
            if (event.eEventId == SPEI_WORD_BOUNDARY)
                stage.wordReached(static_cast<std::size_t>(event.lParam) + static_cast<std::size_t>(event.wParam));
            else if (event.eEventId == SPEI_END_INPUT_STREAM) {
                stage.speechEnded();
                stream_ = 0;
            }
        }
        clearEvent(event);
        event = SPEVENT{};
        fetched = 0;
    }
}

std::vector<InstalledVoice> installedVoices()
{
    std::vector<InstalledVoice> voices;
    forEachVoice(nullptr, [&voices](ISpObjectToken* token) {
        InstalledVoice voice{tokenId(token), {}};
        wchar_t* description = nullptr;
        if (SUCCEEDED(token->GetStringValue(nullptr, &description)) && description) {
            voice.description = description;
            CoTaskMemFree(description);
        }
        if (voice.description.empty())
            voice.description = voice.id;
        voices.push_back(std::move(voice));
        return true;
    });
    return voices;
}

} // namespace gesticon::builtin
