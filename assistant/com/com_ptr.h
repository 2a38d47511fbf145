#pragma once
// A minimal owning COM pointer (the MinGW headers have no ATL/WRL).

#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace gesticon::com {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over one reference.
    explicit ComPtr(T* owned) : p_(owned) {}
    ComPtr(const ComPtr& other) : p_(other.p_)
    {
        if (p_)
            p_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    void reset()
    {
        if (T* old = std::exchange(p_, nullptr))
            old->Release();
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters: releases what was held.
    T** put()
    {
        reset();
        return &p_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

private:
    T* p_ = nullptr;
};

}  // namespace gesticon::com
