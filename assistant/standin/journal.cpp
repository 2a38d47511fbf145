#include "journal.h"

#include <windows.h>

namespace gesticon::standin {

namespace {

std::string toUtf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::string formatJournalValue(const JournalValue& value)
{
    if (auto text = std::get_if<std::wstring>(&value)) {
        std::string out = "\"";
        for (char c : toUtf8(*text)) {
            if (c == '"' || c == '\\')
                out += '\\';
            out += c;
        }
        return out + "\"";
    }
    if (auto number = std::get_if<long>(&value))
        return std::to_string(*number);
    return std::get<bool>(value) ? "true" : "false";
}

void appendLine(const std::string& line)
{
    wchar_t path[MAX_PATH * 2];
    DWORD length = GetEnvironmentVariableW(L"AGENT_STANDIN_JOURNAL", path, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2)
        return;
    // Opened and closed per line so the reader sees every line at once, even
    // if the client process is killed afterwards.
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::string withNewline = line + "\n";
    DWORD written = 0;
    WriteFile(file, withNewline.data(), static_cast<DWORD>(withNewline.size()), &written, nullptr);
    CloseHandle(file);
}

std::string head(const wchar_t* object, const wchar_t* member)
{
    return toUtf8(object) + "." + toUtf8(member);
}

} // namespace

void journalMethod(const wchar_t* object, const wchar_t* member, const std::vector<JournalValue>& args)
{
    std::string line = head(object, member) + "(";
    for (size_t i = 0; i < args.size(); ++i) {
        if (i > 0)
            line += ",";
        line += formatJournalValue(args[i]);
    }
    appendLine(line + ")");
}

void journalPut(const wchar_t* object, const wchar_t* member, const JournalValue& value)
{
    appendLine(head(object, member) + "=" + formatJournalValue(value));
}

void journalGet(const wchar_t* object, const wchar_t* member)
{
    appendLine(head(object, member) + "?");
}

} // namespace gesticon::standin
