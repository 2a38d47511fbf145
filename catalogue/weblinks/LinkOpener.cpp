#include "LinkOpener.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include "ShellOpenWin.h"

#include <QWidget>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace catalogue {

void DesktopLinkOpener::openLink(const QString& link, QWidget* owner)
{
#ifdef Q_OS_WIN
    // The links are percent-encoded, so their ANSI bytes are plain ASCII.
    const QByteArray ansi = link.toLocal8Bit();
    shellOpen(owner ? reinterpret_cast<void*>(owner->window()->winId()) : nullptr, ansi.constData());
#else
    Q_UNUSED(owner);
    QDesktopServices::openUrl(QUrl::fromEncoded(link.toLatin1(), QUrl::StrictMode));
#endif
}

} // namespace catalogue
