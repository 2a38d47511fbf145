#pragma once
// A minimal check list for the Wine test programs: each failed check prints
// one line naming the case; the program's exit code is the number of failures
// (capped), so CTest sees a failure without parsing anything.
#include <cstdio>
#include <string>

namespace wine_tests {

class Checks {
public:
    void that(bool condition, const std::string& what) {
        if (condition) {
            ++passed_;
        } else {
            ++failed_;
            std::printf("FAIL: %s\n", what.c_str());
            std::fflush(stdout);
        }
    }
    void section(const char* name) {
        std::printf("-- %s\n", name);
        std::fflush(stdout);
    }
    int finish() const {
        std::printf("checks: %d passed, %d failed\n", passed_, failed_);
        return failed_ > 100 ? 100 : failed_;
    }
    int failed() const { return failed_; }

private:
    int passed_ = 0;
    int failed_ = 0;
};

std::string hex(long value);

}  // namespace wine_tests
