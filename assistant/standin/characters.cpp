#include "characters.h"

#include "agent_ids.h"
#include "character.h"
#include "small_objects.h"

namespace gesticon::standin {

namespace {
constexpr HRESULT kFileNotFound = HRESULT(0x80070002);  // HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)
constexpr HRESULT kNotLoaded = HRESULT(0x80070490);     // HRESULT_FROM_WIN32(ERROR_NOT_FOUND)
constexpr HRESULT kAlreadyLoaded = HRESULT(0x800700B7); // HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS)
} // namespace

Characters::Characters()
    : DispatchObject(L"Characters",
                     {{L"Item", agent::kDispidItem, Member::Get | Member::Method},
                      {L"Load", agent::kDispidLoad, Member::Method},
                      {L"Unload", agent::kDispidUnload, Member::Method}},
                     {agent::kIidAgentCtlCharacters})
{}

Characters::~Characters()
{
    for (auto& [id, character] : loaded_) {
        character->markUnloaded();
        character->Release();
    }
}

HRESULT Characters::invokeMember(DISPID id, Access, const InvokeArgs& args, VARIANT* result)
{
    switch (id) {
    case agent::kDispidLoad: return load(args, result);
    case agent::kDispidItem: return item(args, result);
    case agent::kDispidUnload: return unload(args);
    default: return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT Characters::load(const InvokeArgs& args, VARIANT* result)
{
    HRESULT hr = args.needCount(2, 2);
    if (FAILED(hr))
        return hr;
    std::wstring characterId, path;
    if (FAILED(hr = args.text(0, characterId)) || FAILED(hr = args.text(1, path)))
        return hr;
    if (FAILED(hr = recordCall(args, L"Load", {characterId, path})))
        return hr;
    if (loaded_.count(characterId) != 0)
        return args.raise(kAlreadyLoaded, L"A character is already loaded as \"" + characterId + L"\"");
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return args.raise(kFileNotFound, L"The character file " + path + L" was not found");
    loaded_[characterId] = new Character(characterId);
    returnDispatch(result, new Request());
    return S_OK;
}

HRESULT Characters::find(const InvokeArgs& args, const wchar_t* member,
                         std::map<std::wstring, Character*>::iterator& found)
{
    HRESULT hr = args.needCount(1, 1);
    if (FAILED(hr))
        return hr;
    std::wstring characterId;
    if (FAILED(hr = args.text(0, characterId)))
        return hr;
    if (FAILED(hr = recordCall(args, member, {characterId})))
        return hr;
    found = loaded_.find(characterId);
    if (found == loaded_.end())
        return args.raise(kNotLoaded, L"No character is loaded as \"" + characterId + L"\"");
    return S_OK;
}

HRESULT Characters::item(const InvokeArgs& args, VARIANT* result)
{
    std::map<std::wstring, Character*>::iterator found;
    if (HRESULT hr = find(args, L"Item", found); FAILED(hr))
        return hr;
    found->second->AddRef();
    returnDispatch(result, found->second);
    return S_OK;
}

HRESULT Characters::unload(const InvokeArgs& args)
{
    std::map<std::wstring, Character*>::iterator found;
    if (HRESULT hr = find(args, L"Unload", found); FAILED(hr))
        return hr;
    found->second->markUnloaded();
    found->second->Release();
    loaded_.erase(found);
    return S_OK;
}

} // namespace gesticon::standin
