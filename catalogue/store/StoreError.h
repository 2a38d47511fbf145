#pragma once
#include <QString>
#include <stdexcept>

namespace catalogue {

// An unexpected failure of the catalogue store. The text is Spanish and is
// meant to be shown to the user as it is.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace catalogue
