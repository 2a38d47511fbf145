#pragma once
// The journal: one line per call the client makes on the stand-in, appended to
// the file named by AGENT_STANDIN_JOURNAL (read at every call, so a test can
// switch files or turn the journal off between steps). Tests parse these lines,
// so their shape is fixed:
//   Object.Member(arg1,arg2)   a method; only the arguments actually passed
//   Object.Member=value        a property put
//   Object.Member?             a property get
// Strings are quoted with " and \ escaped by a backslash; integers are decimal;
// booleans are true/false.
#include <string>
#include <variant>
#include <vector>

namespace gesticon::standin {

using JournalValue = std::variant<std::wstring, long, bool>;

void journalMethod(const wchar_t* object, const wchar_t* member, const std::vector<JournalValue>& args);
void journalPut(const wchar_t* object, const wchar_t* member, const JournalValue& value);
void journalGet(const wchar_t* object, const wchar_t* member);

} // namespace gesticon::standin
