#pragma once
// The control's character collection: Load reads nothing from the character
// file, it only requires the file to exist, which is what lets a test tell a
// right path from a wrong one.
#include <map>

#include "dispatch_object.h"

namespace gesticon::standin {

class Character;

class Characters final : public DispatchObject {
public:
    Characters();

private:
    ~Characters() override;
    HRESULT invokeMember(DISPID id, Access access, const InvokeArgs& args, VARIANT* result) override;
    HRESULT load(const InvokeArgs& args, VARIANT* result);
    // The loaded character that argument 0 names, after journaling `member`.
    HRESULT find(const InvokeArgs& args, const wchar_t* member, std::map<std::wstring, Character*>::iterator& found);
    HRESULT item(const InvokeArgs& args, VARIANT* result);
    HRESULT unload(const InvokeArgs& args);

    std::map<std::wstring, Character*> loaded_;
};

} // namespace gesticon::standin
