#pragma once
// Moving failures between the platform's forms (HRESULT, EXCEPINFO,
// IErrorInfo) and the core's Failure.

#include "failure.h"

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace gesticon::com {

// A failing HRESULT without any further information from its origin.
Failure failureFromHresult(HRESULT hr);

// What a failing IDispatch::Invoke reported; consumes the EXCEPINFO's strings.
Failure failureFromInvoke(HRESULT hr, EXCEPINFO& info);

// Sets the thread's error information and returns the failure's code.
HRESULT reportFailure(const Failure& failure);

std::wstring toWide(BSTR text);

} // namespace gesticon::com
