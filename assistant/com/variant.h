#pragma once
// An owning VARIANT, cleared when it goes out of scope, and typed access to
// the field that holds each automation type the library passes.

#include <windows.h>
#include <oleauto.h>

#include <string_view>

namespace gesticon::com {

class Variant {
public:
    Variant() { VariantInit(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&v_); }

    static void setString(VARIANT& target, std::wstring_view text)
    {
        VariantInit(&target);
        V_VT(&target) = VT_BSTR;
        V_BSTR(&target) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    }

    VARIANT* get() { return &v_; }
    const VARIANT& operator*() const { return v_; }

private:
    VARIANT v_;
};

// The field of a VARIANT of type `type`.
template <VARTYPE type>
struct VariantField;
template <>
struct VariantField<VT_I2> {
    using Type = SHORT;
    static Type& of(VARIANT& v) { return V_I2(&v); }
};
template <>
struct VariantField<VT_I4> {
    using Type = LONG;
    static Type& of(VARIANT& v) { return V_I4(&v); }
};
template <>
struct VariantField<VT_BOOL> {
    using Type = VARIANT_BOOL;
    static Type& of(VARIANT& v) { return V_BOOL(&v); }
};
template <>
struct VariantField<VT_BSTR> {
    using Type = BSTR;
    static Type& of(VARIANT& v) { return V_BSTR(&v); }
};

// A VARIANT of type `type` holding `value` (which it does not copy).
template <VARTYPE type>
VARIANT variantOf(typename VariantField<type>::Type value)
{
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = type;
    VariantField<type>::of(v) = value;
    return v;
}

} // namespace gesticon::com
