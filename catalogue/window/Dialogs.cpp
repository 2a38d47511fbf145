#include "Dialogs.h"

#include <QAbstractButton>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>

namespace catalogue {

void QtDialogs::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, programTitle, text, QMessageBox::Ok, parent_);
    // Some desktop styles put an icon on standard buttons; the box has no icon at all.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

std::optional<QString> QtDialogs::prompt(const QString& text, const QString& title)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, title, text, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

} // namespace catalogue
