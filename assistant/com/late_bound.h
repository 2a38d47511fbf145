#pragma once
// Calls on an automation object by member name (GetIDsOfNames, then Invoke),
// the way the assistant reaches the agent control and everything it hands out.

#include "failure.h"
#include "variant.h"

#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

namespace gesticon::com {

class LateBound {
public:
    explicit LateBound(Microsoft::WRL::ComPtr<IDispatch> object) : object_(std::move(object)) {}

    IDispatch* object() const { return object_.Get(); }

    // Arguments are given in declaration order; the VARIANTs are cleared afterwards.
    Result<std::unique_ptr<Variant>> call(const wchar_t* name, std::initializer_list<VARIANT> args);
    Result<std::unique_ptr<Variant>> get(const wchar_t* name);
    // Invoked as both property get and method, like an indexed default member.
    Result<std::unique_ptr<Variant>> item(const wchar_t* name, VARIANT index);
    Status put(const wchar_t* name, VARIANT value);

    Result<LateBound> getObject(const wchar_t* name);
    Result<std::int16_t> getShort(const wchar_t* name);
    Result<std::int32_t> getLong(const wchar_t* name);
    Result<std::wstring> getString(const wchar_t* name);

private:
    Result<std::unique_ptr<Variant>> invoke(const wchar_t* name, WORD flags, std::initializer_list<VARIANT> args);

    Microsoft::WRL::ComPtr<IDispatch> object_;
};

// A string argument (a copy of `text`); the others are made by variantOf.
VARIANT bstrArg(std::wstring_view text);

// An object result as a LateBound, failing when the result is not an object.
Result<LateBound> asObject(Variant& result);

} // namespace gesticon::com
