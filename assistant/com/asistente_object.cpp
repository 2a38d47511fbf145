#include "asistente_object.h"

#include "agent_control_choice.h"
#include "failure_conversion.h"
#include "gesticon_ids.h"
#include "module.h"
#include "windows_platform.h"

namespace gesticon::com {

namespace {

HRESULT finish(const Status& status)
{
    return status ? S_OK : reportFailure(status.failure());
}

HRESULT readSetting(std::int16_t setting, VARIANT_BOOL* value)
{
    if (!value)
        return E_POINTER;
    *value = setting;
    return S_OK;
}

std::wstring_view textOf(BSTR text)
{
    return text ? std::wstring_view(text, SysStringLen(text)) : std::wstring_view();
}

} // namespace

HRESULT AsistenteObject::create(REFIID riid, void** object)
{
    auto core = asistente::create(createAgentControl, windowsPlatform());
    if (!core)
        return reportFailure(core.failure());
    auto* created = new AsistenteObject(std::move(*core));
    const HRESULT hr = created->QueryInterface(riid, object);
    created->Release();
    return hr;
}

AsistenteObject::AsistenteObject(std::unique_ptr<asistente> core) : core_(std::move(core))
{
    module::objectCreated();
}

AsistenteObject::~AsistenteObject()
{
    // The control and character go with the core; nothing is unloaded or hidden.
    core_.reset();
    module::objectDestroyed();
}

HRESULT AsistenteObject::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == ids::kIidAsistente)
        *object = static_cast<_asistente*>(this);
    else if (riid == IID_ISupportErrorInfo)
        *object = static_cast<ISupportErrorInfo*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG AsistenteObject::AddRef()
{
    return ++references_;
}

ULONG AsistenteObject::Release()
{
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT AsistenteObject::InterfaceSupportsErrorInfo(REFIID riid)
{
    return (riid == ids::kIidAsistente || riid == IID_IDispatch) ? S_OK : S_FALSE;
}

HRESULT AsistenteObject::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT AsistenteObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    ITypeInfo* cached = nullptr;
    const HRESULT hr = module::asistenteTypeInfo(&cached);
    if (FAILED(hr))
        return hr;
    cached->AddRef();
    *info = cached;
    return S_OK;
}

HRESULT AsistenteObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (count == 0)
        return E_INVALIDARG;
    if (!names || !ids)
        return E_POINTER;
    for (UINT i = 0; i < count; ++i) {
        if (!names[i])
            return E_POINTER;
    }
    ITypeInfo* cached = nullptr;
    const HRESULT hr = module::asistenteTypeInfo(&cached);
    if (FAILED(hr))
        return hr;
    return cached->GetIDsOfNames(names, count, ids);
}

HRESULT AsistenteObject::get_Sound(VARIANT_BOOL* value)
{
    return readSetting(core_->Sound(), value);
}

HRESULT AsistenteObject::put_Sound(VARIANT_BOOL value)
{
    return finish(core_->Sound(value));
}

HRESULT AsistenteObject::get_Balloon(VARIANT_BOOL* value)
{
    return readSetting(core_->Balloon(), value);
}

HRESULT AsistenteObject::put_Balloon(VARIANT_BOOL value)
{
    return finish(core_->Balloon(value));
}

HRESULT AsistenteObject::get_AutoHide(VARIANT_BOOL* value)
{
    return readSetting(core_->AutoHide(), value);
}

HRESULT AsistenteObject::put_AutoHide(VARIANT_BOOL value)
{
    return finish(core_->AutoHide(value));
}

HRESULT AsistenteObject::get_AutoSpace(VARIANT_BOOL* value)
{
    return readSetting(core_->AutoSpace(), value);
}

HRESULT AsistenteObject::put_AutoSpace(VARIANT_BOOL value)
{
    return finish(core_->AutoSpace(value));
}

HRESULT AsistenteObject::Show(LONG LenguajeID, LONG GUIA)
{
    return finish(core_->Show(LenguajeID, GUIA));
}

HRESULT AsistenteObject::Unload()
{
    return finish(core_->Unload());
}

HRESULT AsistenteObject::Speak(BSTR strOracion)
{
    return finish(core_->Speak(textOf(strOracion)));
}

HRESULT AsistenteObject::Think(BSTR strOracion)
{
    return finish(core_->Think(textOf(strOracion)));
}

HRESULT AsistenteObject::Move(SHORT* x, SHORT* y)
{
    if (!x || !y)
        return E_POINTER;
    return finish(core_->Move(*x, *y));
}

HRESULT AsistenteObject::Action(LONG* accNombre)
{
    if (!accNombre)
        return E_POINTER;
    return finish(core_->Action(*accNombre));
}

HRESULT AsistenteObject::Animations(SHORT indice, BSTR* result)
{
    if (!result)
        return E_POINTER;
    *result = nullptr;
    auto name = core_->Animations(indice);
    if (!name)
        return reportFailure(name.failure());
    *result = SysAllocStringLen(name->data(), static_cast<UINT>(name->size()));
    return *result ? S_OK : E_OUTOFMEMORY;
}

HRESULT AsistenteObject::Stop_Asistente()
{
    return finish(core_->Stop_Asistente());
}

} // namespace gesticon::com
