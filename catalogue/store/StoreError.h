#pragma once
#include <QString>
#include <stdexcept>

namespace catalogue {

// An unexpected failure of the catalogue store. The text is Spanish and is
// meant to be shown to the user as it is; the code is SQLite's result code
// when SQLite failed, 0 otherwise.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message, int code = 0)
        : std::runtime_error(message.toStdString()), message_(message), code_(code) {}
    const QString& message() const { return message_; }
    int code() const { return code_; }

private:
    QString message_;
    int code_;
};

} // namespace catalogue
