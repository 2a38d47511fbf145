#pragma once
// The control's minor objects: what a request, a command, the user input of
// an event and the property sheet need to be for the control's clients.
#include "dispatch_object.h"

namespace gesticon::standin {

// Returned by Load, Show, Speak, Think, MoveTo and Play; clients release it at once.
class Request final : public DispatchObject {
public:
    Request();

private:
    HRESULT invokeMember(DISPID id, Access access, const InvokeArgs& args, VARIANT* result) override;
    long id_;
};

// Returned by Commands.Add.
class Command final : public DispatchObject {
public:
    explicit Command(std::wstring caption);

private:
    HRESULT invokeMember(DISPID id, Access access, const InvokeArgs& args, VARIANT* result) override;
    std::wstring caption_;
};

// The argument of the Command event.
class UserInput final : public DispatchObject {
public:
    explicit UserInput(std::wstring name);

private:
    HRESULT invokeMember(DISPID id, Access access, const InvokeArgs& args, VARIANT* result) override;
    std::wstring name_;
};

class PropertySheet final : public DispatchObject {
public:
    PropertySheet();

private:
    HRESULT invokeMember(DISPID id, Access access, const InvokeArgs& args, VARIANT* result) override;
    bool visible_ = false;
};

} // namespace gesticon::standin
