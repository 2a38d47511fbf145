#pragma once
// A loaded character with its balloon and its command collection. Every
// character of the stand-in is 128 x 128 pixels; its balloon style starts at
// 13 (on, hides itself, paces the text) unless AGENT_STANDIN_BALLOON_STYLE
// says otherwise, so a test can check that bits the client does not own stay.
#include <vector>

#include "dispatch_object.h"

namespace gesticon::standin {

class Balloon final : public DispatchObject {
public:
    explicit Balloon(long style);

private:
    HRESULT invokeMember(DISPID id, Access access, const InvokeArgs& args, VARIANT* result) override;
    long style_;
};

class Commands final : public DispatchObject {
public:
    Commands();

private:
    HRESULT invokeMember(DISPID id, Access access, const InvokeArgs& args, VARIANT* result) override;
    std::vector<std::wstring> names_;
};

class Character final : public DispatchObject {
public:
    explicit Character(std::wstring characterId);
    // Characters.Unload leaves the object alive in its clients' hands, but
    // unusable, as the control does.
    void markUnloaded() { loaded_ = false; }

private:
    ~Character() override;
    HRESULT invokeMember(DISPID id, Access access, const InvokeArgs& args, VARIANT* result) override;
    HRESULT usable(const InvokeArgs& args) const override;
    HRESULT request(VARIANT* result);

    std::wstring characterId_;
    bool loaded_ = true;
    Balloon* balloon_;
    Commands* commands_;
    short left_ = 0;
    short top_ = 0;
    long languageId_ = 0;
    bool soundEffects_ = true;
};

} // namespace gesticon::standin
