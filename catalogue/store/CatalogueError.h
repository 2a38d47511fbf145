#pragma once
#include <QString>
#include <stdexcept>

namespace catalogue {

// An unexpected failure that ends the running command: of the catalogue file,
// of a report file or of the platform. The text is Spanish and is shown to the
// user as it is; the code is SQLite's result code when SQLite failed, 0 otherwise.
class CatalogueError : public std::runtime_error {
public:
    explicit CatalogueError(const QString& message, int code = 0)
        : std::runtime_error(message.toStdString()), message_(message), code_(code)
    {}
    const QString& message() const { return message_; }
    int code() const { return code_; }

private:
    QString message_;
    int code_;
};

} // namespace catalogue
