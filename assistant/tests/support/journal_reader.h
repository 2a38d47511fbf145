#pragma once
// Reading the stand-in's journal from a test client. The client points the
// stand-in at a file of its own (AGENT_STANDIN_JOURNAL is read at every call,
// and the stand-in is loaded into this very process), clears it before a step
// and reads back what the step asked of the control.
#include <string>
#include <vector>

namespace gesticon::tests {

class JournalReader {
public:
    // Uses a file in the temporary folder and sets the environment variable.
    JournalReader();
    ~JournalReader();

    void clear();
    // The journal since the last clear, without the gets that only walk from
    // one object to the next (Control.Characters?, Character.Commands?,
    // Character.Balloon?, Control.PropertySheet?), which depend on how a client
    // chooses to keep its references rather than on what it asks the control.
    std::vector<std::string> calls() const;
    std::vector<std::string> allLines() const;
    // "expected" and "got" side by side, for a failure message.
    static std::string describe(const std::vector<std::string>& expected, const std::vector<std::string>& got);

private:
    std::wstring path_;
};

} // namespace gesticon::tests
