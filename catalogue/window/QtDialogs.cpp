#include "QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>

namespace catalogue {

namespace {
// The busy cursor of the running command is not for a box the user must answer.
class NormalCursor {
public:
    NormalCursor() : covers_(QApplication::overrideCursor() != nullptr)
    {
        if (covers_)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursor()
    {
        if (covers_)
            QApplication::restoreOverrideCursor();
    }
    NormalCursor(const NormalCursor&) = delete;

private:
    bool covers_;
};
} // namespace

void QtDialogs::message(const QString& text)
{
    const NormalCursor cursor;
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle.toString(), text, QMessageBox::Ok, parent_);
    // Some desktop styles put an icon on standard buttons; the box has no icon at all.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

std::optional<QString> QtDialogs::prompt(const QString& text, const QString& title)
{
    const NormalCursor cursor;
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, title, text, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

} // namespace catalogue
