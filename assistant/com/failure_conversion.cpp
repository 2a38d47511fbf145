#include "failure_conversion.h"

#include "gesticon_ids.h"

#include <windows.h>
#include <wrl/client.h>

namespace gesticon::com {

using Microsoft::WRL::ComPtr;

namespace {

std::wstring systemMessage(HRESULT hr)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : std::wstring(L"Automation error");
    if (text)
        LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
        message.pop_back();
    return message;
}

} // namespace

std::wstring toWide(BSTR text)
{
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

Failure failureFromHresult(HRESULT hr)
{
    // A control may report its failure through the thread's error information.
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, &info) == S_OK && info) {
        BSTR description = nullptr;
        BSTR source = nullptr;
        info->GetDescription(&description);
        info->GetSource(&source);
        Failure failure{static_cast<std::int32_t>(hr), toWide(description), toWide(source)};
        SysFreeString(description);
        SysFreeString(source);
        if (!failure.description.empty())
            return failure;
    }
    return Failure{static_cast<std::int32_t>(hr), systemMessage(hr), kErrorSource};
}

Failure failureFromInvoke(HRESULT hr, EXCEPINFO& info)
{
    if (hr != DISP_E_EXCEPTION)
        return failureFromHresult(hr);
    if (info.pfnDeferredFillIn)
        info.pfnDeferredFillIn(&info);
    const HRESULT code = info.scode != 0 ? info.scode : MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, info.wCode);
    Failure failure{static_cast<std::int32_t>(code), toWide(info.bstrDescription), toWide(info.bstrSource)};
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrHelpFile);
    info = EXCEPINFO{};
    if (failure.description.empty())
        failure.description = systemMessage(code);
    return failure;
}

HRESULT reportFailure(const Failure& failure)
{
    ComPtr<ICreateErrorInfo> created;
    if (SUCCEEDED(CreateErrorInfo(&created))) {
        created->SetGUID(ids::kIidAsistente);
        created->SetDescription(const_cast<LPOLESTR>(failure.description.c_str()));
        created->SetSource(const_cast<LPOLESTR>(failure.source.c_str()));
        ComPtr<IErrorInfo> info;
        if (SUCCEEDED(created->QueryInterface(IID_IErrorInfo, &info)))
            SetErrorInfo(0, info.Get());
    }
    return static_cast<HRESULT>(failure.code);
}

} // namespace gesticon::com
