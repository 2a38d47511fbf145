#pragma once
// Dialogs for tests: records every message and answers prompts from a queue.
#include "Dialogs.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace catalogue::testing {

class ScriptedDialogs : public Dialogs {
public:
    void message(const QString& text) override
    {
        messages << text;
        if (onMessage)
            onMessage(text);
    }
    std::optional<QString> prompt(const QString& text, const QString& title) override
    {
        prompts << title + QStringLiteral(" | ") + text;
        if (answers.empty())
            return std::nullopt;
        const std::optional<QString> answer = answers.front();
        answers.pop_front();
        if (!answer)
            return std::nullopt;
        return *answer;
    }
    // Queue the next answer; std::nullopt stands for Cancel.
    void answerNext(std::optional<QString> answer) { answers.push_back(std::move(answer)); }

    QStringList messages;
    QStringList prompts;
    std::deque<std::optional<QString>> answers;
    std::function<void(const QString&)> onMessage;
};

} // namespace catalogue::testing
