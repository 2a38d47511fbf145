#pragma once
// An owning VARIANT, cleared when it goes out of scope.

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
    VARIANT* operator->() { return &v_; }

private:
    VARIANT v_;
};

}  // namespace gesticon::com
