#include "speech_voice.h"
#include "class_factory.h"

#include "journal.h"
#include "module_count.h"

#include <sapi.h>

#include <deque>
#include <map>
#include <string>

namespace gesticon::standin {

namespace {

class SpeechVoice;
// Thread timers carry no context: each voice's timer is found here.
std::map<UINT_PTR, SpeechVoice*> voicesByTimer;

UINT wordMs()
{
    wchar_t text[16] = {};
    return GetEnvironmentVariableW(L"VOICE_STANDIN_WORD_MS", text, 16) ? static_cast<UINT>(_wtoi(text)) : 200;
}

class SpeechVoice final : public ISpVoice {
public:
    SpeechVoice() { objectCreated(); }
    ~SpeechVoice()
    {
        stopTimer();
        if (token_)
            token_->Release();
        objectDestroyed();
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ISpVoice) || IsEqualIID(iid, IID_ISpEventSource) ||
            IsEqualIID(iid, IID_ISpNotifySource)) {
            *out = static_cast<ISpVoice*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    // ISpNotifySource: only the window message.
    HRESULT STDMETHODCALLTYPE SetNotifySink(ISpNotifySink* sink) override
    {
        if (!sink)
            window_ = nullptr;
        return sink ? E_NOTIMPL : S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetNotifyWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override
    {
        window_ = window;
        message_ = message;
        wParam_ = wParam;
        lParam_ = lParam;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetNotifyCallbackFunction(SPNOTIFYCALLBACK*, WPARAM, LPARAM) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetNotifyCallbackInterface(ISpNotifyCallback*, WPARAM, LPARAM) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetNotifyWin32Event() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE WaitForNotifyEvent(DWORD) override { return E_NOTIMPL; }
    HANDLE STDMETHODCALLTYPE GetNotifyEventHandle() override { return nullptr; }

    // ISpEventSource
    HRESULT STDMETHODCALLTYPE SetInterest(ULONGLONG interest, ULONGLONG) override
    {
        interest_ = interest;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetEvents(ULONG count, SPEVENT* events, ULONG* fetched) override
    {
        if (!events)
            return E_POINTER;
        ULONG n = 0;
        while (n < count && !due_.empty()) {
            events[n++] = due_.front();
            due_.pop_front();
        }
        if (fetched)
            *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE GetInfo(SPEVENTSOURCEINFO*) override { return E_NOTIMPL; }

    // ISpVoice
    HRESULT STDMETHODCALLTYPE SetOutput(IUnknown*, WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetOutputObjectToken(ISpObjectToken**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetOutputStream(ISpStreamFormat**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Pause() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Resume() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetVoice(ISpObjectToken* token) override
    {
        wchar_t* id = nullptr;
        if (token && SUCCEEDED(token->GetId(&id)) && id) {
            journalMethod(L"Voice", L"SetVoice", {std::wstring(id)});
            CoTaskMemFree(id);
        } else
            journalMethod(L"Voice", L"SetVoice", {});
        if (token)
            token->AddRef();
        if (token_)
            token_->Release();
        token_ = token;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetVoice(ISpObjectToken**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Speak(LPCWSTR text, DWORD flags, ULONG* stream) override
    {
        if (text)
            journalMethod(L"Voice", L"Speak", {std::wstring(text), static_cast<long>(flags)});
        else
            journalMethod(L"Voice", L"Speak", {static_cast<long>(flags)});
        if (flags & SPF_PURGEBEFORESPEAK) {
            pending_.clear();
            due_.clear();
            stopTimer();
        }
        if (!text)
            return S_OK;
        ++stream_;
        if (stream)
            *stream = stream_;
        const std::wstring words(text);
        for (std::size_t i = 0; i < words.size();) {
            while (i < words.size() && words[i] == L' ')
                ++i;
            const std::size_t start = i;
            while (i < words.size() && words[i] != L' ')
                ++i;
            if (i > start)
                pending_.push_back(event(SPEI_WORD_BOUNDARY, i - start, start));
        }
        pending_.push_back(event(SPEI_END_INPUT_STREAM, 0, 0));
        if (!timer_) {
            timer_ = SetTimer(nullptr, 0, wordMs(), tick);
            voicesByTimer[timer_] = this;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SpeakStream(IStream*, DWORD, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetStatus(SPVOICESTATUS*, LPWSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Skip(LPCWSTR, LONG, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetPriority(SPVPRIORITY) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPriority(SPVPRIORITY*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetAlertBoundary(SPEVENTENUM) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAlertBoundary(SPEVENTENUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetRate(LONG rate) override
    {
        journalMethod(L"Voice", L"SetRate", {static_cast<long>(rate)});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetRate(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetVolume(USHORT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetVolume(USHORT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE WaitUntilDone(ULONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetSyncSpeakTimeout(ULONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSyncSpeakTimeout(ULONG*) override { return E_NOTIMPL; }
    HANDLE STDMETHODCALLTYPE SpeakCompleteEvent() override { return nullptr; }
    HRESULT STDMETHODCALLTYPE IsUISupported(LPCWSTR, void*, ULONG, WINBOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DisplayUI(HWND, LPCWSTR, LPCWSTR, void*, ULONG) override { return E_NOTIMPL; }

private:
    SPEVENT event(SPEVENTENUM id, std::size_t length, std::size_t position) const
    {
        SPEVENT e{};
        e.eEventId = id;
        e.elParamType = SPET_LPARAM_IS_UNDEFINED;
        e.ulStreamNum = stream_;
        e.wParam = length;
        e.lParam = static_cast<LPARAM>(position);
        return e;
    }

    // One event becomes due each tick, and the client is told by its message.
    static void CALLBACK tick(HWND, UINT, UINT_PTR timer, DWORD)
    {
        auto found = voicesByTimer.find(timer);
        if (found == voicesByTimer.end())
            return;
        SpeechVoice* self = found->second;
        if (self->pending_.empty()) {
            self->stopTimer();
            return;
        }
        const SPEVENT next = self->pending_.front();
        self->pending_.pop_front();
        if (self->interest_ & (1ull << next.eEventId)) {
            self->due_.push_back(next);
            if (self->window_)
                PostMessageW(self->window_, self->message_, self->wParam_, self->lParam_);
        }
    }

    void stopTimer()
    {
        if (timer_) {
            KillTimer(nullptr, timer_);
            voicesByTimer.erase(timer_);
            timer_ = 0;
        }
    }

    ULONG references_ = 1;
    HWND window_ = nullptr;
    UINT message_ = 0;
    WPARAM wParam_ = 0;
    LPARAM lParam_ = 0;
    ULONGLONG interest_ = 0;
    ISpObjectToken* token_ = nullptr;
    ULONG stream_ = 0;
    std::deque<SPEVENT> pending_;
    std::deque<SPEVENT> due_;
    UINT_PTR timer_ = 0;
};

} // namespace

HRESULT createSpeechVoice(REFIID iid, void** out)
{
    return createObject<SpeechVoice>(iid, out);
}

} // namespace gesticon::standin
