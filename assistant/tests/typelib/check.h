#pragma once
// A small check recorder for the Wine-run client: every check prints its
// outcome; the program's exit status says whether all held.

#include <cstdio>
#include <string>

namespace gesticon::typelib_check {

class Checks {
public:
    void section(const char* name) { std::printf("== %s\n", name); }

    bool that(bool condition, const std::string& what)
    {
        ++count_;
        if (!condition) {
            ++failures_;
            std::printf("FAIL %s\n", what.c_str());
        }
        return condition;
    }

    template <class A, class B>
    bool equal(const A& actual, const B& expected, const std::string& what)
    {
        return that(actual == expected, what);
    }

    bool hr(long actual, long expected, const std::string& what)
    {
        char text[64];
        std::snprintf(text, sizeof text, " (got 0x%08lX, want 0x%08lX)",
                      static_cast<unsigned long>(actual), static_cast<unsigned long>(expected));
        return that(actual == expected, what + text);
    }

    int finish() const
    {
        std::printf("%d checks, %d failed\n", count_, failures_);
        return failures_ == 0 ? 0 : 1;
    }

private:
    int count_ = 0;
    int failures_ = 0;
};

std::string narrow(const std::wstring& text);

}  // namespace gesticon::typelib_check
