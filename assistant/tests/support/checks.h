#pragma once
// The check list every Wine-run test program reports with: each failed check
// prints one line naming the case, the last line counts them all, and the
// exit status is the number of failures (capped), so CTest parses nothing.

#include <windows.h>

#include <string>

namespace gesticon::tests {

class Checks {
public:
    void section(const char* name);
    // Counts one check and prints it when it failed; returns the condition,
    // so that a caller can leave out what depends on it.
    bool that(bool condition, const std::string& what);
    template <class A, class B>
    bool equal(const A& actual, const B& expected, const std::string& what)
    {
        return that(actual == expected, what);
    }
    // Both codes go into the message.
    bool hr(HRESULT actual, HRESULT expected, const std::string& what);
    // Prints the count; the program's exit status.
    int finish() const;

private:
    int passed_ = 0;
    int failed_ = 0;
};

std::string hex(long value);
// UTF-8, for messages.
std::string narrow(const std::wstring& text);

} // namespace gesticon::tests
