#include "failure.h"

namespace gesticon {

Failure runtimeError(RuntimeError error)
{
    const wchar_t* description = L"";
    switch (error) {
    case RuntimeError::Overflow: description = L"Overflow"; break;
    case RuntimeError::SubscriptOutOfRange: description = L"Subscript out of range"; break;
    case RuntimeError::ObjectNotSet: description = L"Object variable or With block variable not set"; break;
    }
    return Failure{runtimeErrorCode(error), description, kErrorSource};
}

} // namespace gesticon
