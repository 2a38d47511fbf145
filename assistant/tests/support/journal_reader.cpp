#include "journal_reader.h"

#include <windows.h>

#include <fstream>

namespace gesticon::tests {

JournalReader::JournalReader()
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    path_ = std::wstring(folder) + L"standin-journal-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    SetEnvironmentVariableW(L"AGENT_STANDIN_JOURNAL", path_.c_str());
    clear();
}

JournalReader::~JournalReader()
{
    SetEnvironmentVariableW(L"AGENT_STANDIN_JOURNAL", nullptr);
    DeleteFileW(path_.c_str());
}

void JournalReader::clear()
{
    DeleteFileW(path_.c_str());
}

std::vector<std::string> JournalReader::allLines() const
{
    std::vector<std::string> lines;
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return lines;
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        content.append(buffer, got);
    CloseHandle(file);
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        lines.push_back(content.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> JournalReader::calls() const
{
    static const char* const walking[] = {"Control.Characters?", "Character.Commands?", "Character.Balloon?",
                                          "Control.PropertySheet?"};
    std::vector<std::string> kept;
    for (const std::string& line : allLines()) {
        bool walk = false;
        for (const char* w : walking)
            walk = walk || line == w;
        if (!walk)
            kept.push_back(line);
    }
    return kept;
}

std::string JournalReader::describe(const std::vector<std::string>& expected, const std::vector<std::string>& got)
{
    std::string text = "\n    expected:";
    for (const auto& line : expected)
        text += "\n      " + line;
    text += "\n    got:";
    for (const auto& line : got)
        text += "\n      " + line;
    return text;
}

} // namespace gesticon::tests
