#include "voice_tokens.h"
#include "class_factory.h"

#include "journal.h"
#include "module_count.h"

#include <string>
#include <vector>

namespace gesticon::standin {

namespace {

struct VoiceInfo {
    const wchar_t* id;
    const wchar_t* description;
    const wchar_t* languages; // hexadecimal identifiers, separated by ';'
};
constexpr VoiceInfo kVoices[] = {
    {L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices\\Tokens\\StandInEs", L"Voz de prueba (castellano)",
     L"C0A;40A"},
    {L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices\\Tokens\\StandInEn", L"Test voice (English)", L"409"},
};

wchar_t* coTaskCopy(const wchar_t* text)
{
    const std::size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    auto* copy = static_cast<wchar_t*>(CoTaskMemAlloc(bytes));
    if (copy)
        memcpy(copy, text, bytes);
    return copy;
}

// Whether `languages` has the hexadecimal identifier `wanted`, without regard to case.
bool speaks(const wchar_t* languages, const std::wstring& wanted)
{
    std::wstring list = std::wstring(languages) + L";";
    std::size_t start = 0;
    for (std::size_t end; (end = list.find(L';', start)) != std::wstring::npos; start = end + 1) {
        if (CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, list.c_str() + start, static_cast<int>(end - start),
                           wanted.c_str(), static_cast<int>(wanted.size())) == CSTR_EQUAL)
            return true;
    }
    return false;
}

// Reference counting and the data-key members nobody asks of a stand-in.
template <class Interface>
class Counted : public Interface {
public:
    Counted() { objectCreated(); }
    virtual ~Counted() { objectDestroyed(); }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return left;
    }

protected:
    HRESULT answer(REFIID iid, REFIID own, void** out)
    {
        if (!out)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, own)) {
            *out = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }

private:
    LONG references_ = 1;
};

template <class Interface>
class DataKey : public Counted<Interface> {
public:
    HRESULT STDMETHODCALLTYPE SetData(LPCWSTR, ULONG, const BYTE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetData(LPCWSTR, ULONG*, BYTE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStringValue(LPCWSTR, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetStringValue(LPCWSTR, LPWSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetDWORD(LPCWSTR, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDWORD(LPCWSTR, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OpenKey(LPCWSTR, ISpDataKey**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateKey(LPCWSTR, ISpDataKey**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeleteKey(LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeleteValue(LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumKeys(ULONG, LPWSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumValues(ULONG, LPWSTR*) override { return E_NOTIMPL; }
};

class VoiceToken final : public DataKey<ISpObjectToken> {
public:
    explicit VoiceToken(const VoiceInfo& voice) : voice_(voice) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        return answer(iid, IID_ISpObjectToken, out);
    }
    // The default value of a voice's key is its description.
    HRESULT STDMETHODCALLTYPE GetStringValue(LPCWSTR name, LPWSTR* value) override
    {
        if (!value)
            return E_POINTER;
        if (name && *name)
            return SPERR_NOT_FOUND;
        *value = coTaskCopy(voice_.description);
        return *value ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE SetId(LPCWSTR, LPCWSTR, WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetId(LPWSTR* id) override
    {
        if (!id)
            return E_POINTER;
        *id = coTaskCopy(voice_.id);
        return *id ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE GetCategory(ISpObjectTokenCategory**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, DWORD, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetStorageFileName(REFCLSID, LPCWSTR, LPCWSTR, ULONG, LPWSTR*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemoveStorageFileName(REFCLSID, LPCWSTR, WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Remove(const CLSID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsUISupported(LPCWSTR, void*, ULONG, IUnknown*, WINBOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DisplayUI(HWND, LPCWSTR, LPCWSTR, void*, ULONG, IUnknown*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE MatchesAttributes(LPCWSTR, WINBOOL*) override { return E_NOTIMPL; }

private:
    const VoiceInfo& voice_;
};

class TokenList final : public Counted<IEnumSpObjectTokens> {
public:
    explicit TokenList(std::vector<const VoiceInfo*> voices) : voices_(std::move(voices)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        return answer(iid, IID_IEnumSpObjectTokens, out);
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG count, ISpObjectToken** tokens, ULONG* fetched) override
    {
        if (!tokens)
            return E_POINTER;
        ULONG n = 0;
        for (; n < count && next_ < voices_.size(); ++n)
            tokens[n] = new VoiceToken(*voices_[next_++]);
        if (fetched)
            *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override
    {
        next_ += count;
        return next_ <= voices_.size() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override
    {
        next_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumSpObjectTokens**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Item(ULONG index, ISpObjectToken** token) override
    {
        if (!token)
            return E_POINTER;
        if (index >= voices_.size())
            return E_INVALIDARG;
        *token = new VoiceToken(*voices_[index]);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCount(ULONG* count) override
    {
        if (!count)
            return E_POINTER;
        *count = static_cast<ULONG>(voices_.size());
        return S_OK;
    }

private:
    std::vector<const VoiceInfo*> voices_;
    std::size_t next_ = 0;
};

class VoiceCategory final : public DataKey<ISpObjectTokenCategory> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        return answer(iid, IID_ISpObjectTokenCategory, out);
    }
    HRESULT STDMETHODCALLTYPE SetId(LPCWSTR id, WINBOOL) override
    {
        return id && wcsstr(id, L"\\Speech\\Voices") ? S_OK : SPERR_NOT_FOUND;
    }
    HRESULT STDMETHODCALLTYPE GetId(LPWSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDataKey(SPDATAKEYLOCATION, ISpDataKey**) override { return E_NOTIMPL; }
    // Journaled: the language Gesticon looks for ("Language=C0A"), or nothing for every voice.
    HRESULT STDMETHODCALLTYPE EnumTokens(LPCWSTR required, LPCWSTR, IEnumSpObjectTokens** list) override
    {
        if (!list)
            return E_POINTER;
        const std::wstring wanted = required ? required : L"";
        journalMethod(L"Voices", L"EnumTokens",
                      wanted.empty() ? std::vector<JournalValue>{} : std::vector<JournalValue>{wanted});
        std::vector<const VoiceInfo*> voices;
        const bool none = GetEnvironmentVariableW(L"VOICE_STANDIN_NO_VOICES", nullptr, 0) != 0;
        const std::wstring prefix = L"Language=";
        for (const VoiceInfo& voice : kVoices) {
            if (none)
                break;
            if (wanted.empty() || (wanted.compare(0, prefix.size(), prefix) == 0 &&
                                   speaks(voice.languages, wanted.substr(prefix.size()))))
                voices.push_back(&voice);
        }
        *list = new TokenList(std::move(voices));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetDefaultTokenId(LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDefaultTokenId(LPWSTR*) override { return E_NOTIMPL; }
};

} // namespace

HRESULT createVoiceCategory(REFIID iid, void** out)
{
    return createObject<VoiceCategory>(iid, out);
}

} // namespace gesticon::standin
