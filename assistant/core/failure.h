#pragma once
// How every operation of the assistant reports its outcome: success, or a
// failure carrying an HRESULT-shaped code, a description and a source, which
// the COM shell turns into its return code and the thread's error information.

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace gesticon {

struct Failure {
    std::int32_t code = 0;
    std::wstring description;
    std::wstring source;

    bool operator==(const Failure&) const = default;
};

// The class's own errors are the classic runtime errors, reported in the
// control facility (0x800A0000 + number) like any automation server of its kind.
enum class RuntimeError : std::int32_t {
    Overflow = 6,
    SubscriptOutOfRange = 9,
    ObjectNotSet = 91,
};

inline constexpr wchar_t kErrorSource[] = L"Gesticon";

constexpr std::int32_t runtimeErrorCode(RuntimeError error)
{
    return static_cast<std::int32_t>(0x800A0000u | static_cast<std::uint32_t>(error));
}

Failure runtimeError(RuntimeError error);

// Outcome of an operation without a value.
class Status {
public:
    Status() = default;
    Status(Failure failure) : failure_(std::move(failure)), ok_(false) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const Failure& failure() const { return failure_; }

private:
    Failure failure_;
    bool ok_ = true;
};

// Outcome of an operation that yields a value.
template <class T>
class Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const Failure& failure() const { return std::get<1>(state_); }
    Status status() const { return ok() ? Status() : Status(failure()); }

private:
    std::variant<T, Failure> state_;
};

} // namespace gesticon
