#include "Form2.h"

#include "AccessibleRole.h"
#include "Artwork.h"
#include "Colours.h"
#include "ContactLinks.h"
#include "Dialogs.h"
#include "FittedText.h"
#include "LinkLabel.h"
#include "LinkOpener.h"
#include "RuleLine.h"
#include "Twips.h"

#include <QLabel>
#include <QPixmap>
#include <QShortcut>
#include <QUrl>

namespace catalogue {
namespace {

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A one-pixel rule between two points given in twips.
QRect twipsLine(int x1, int y1, int x2, int y2)
{
    return QRect(twipsPoint(x1, y1), twipsPoint(x2, y2));
}

void addRule(QWidget* window, const QString& name, const QRect& geometry)
{
    auto* line = new RuleLine(kGreen, window);
    line->setObjectName(name);
    line->setGeometry(geometry);
}

} // namespace

Form2::Form2(LinkOpener& links) : QWidget(nullptr, Qt::Window), links_(links)
{
    presentAs<Form2, QAccessible::Window>(); // a window to screen readers, as the main window is
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Acerca De ") + kProgramTitle.toString());
    setWindowIcon(aboutIcon());
    setFixedSize(px(4680), px(1665));
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::black);
    setPalette(background);
    setAutoFillBackground(true);

    auto* dedication = new QLabel(QStringLiteral("Programa dedicado a todos aquell@s que os encante tener bien "
                                                 "organizadas vuestras listas de películas. Espero que os sirva de "
                                                 "utilidad..."),
                                  this);
    dedication->setObjectName(QStringLiteral("Label1"));
    dedication->setGeometry(twipsRect(120, 120, 2775, 855));
    dedication->setWordWrap(true);
    dedication->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(dedication, kYellow);
    shrinkFontToFit(dedication);

    addRule(this, QStringLiteral("Line2"), twipsLine(0, 960, 3000, 960));
    addLinkLabel(QStringLiteral("Label2"), kContactWebSite.toString(), twipsRect(120, 1080, 1815, 255), kMagenta,
                 QStringLiteral("Visita Mi Web ---> ^Brisvel^ WEB SERVER"), kContactWebSite.toString());
    addLinkLabel(QStringLiteral("Label3"), kSecondWebSite.toString(), twipsRect(120, 1320, 2055, 255), kMagenta,
                 QStringLiteral("VISITA LA WEB DE MI PUEBLO: ALCALÁ DEL JÚCAR (ALBACETE)"), kSecondWebSite.toString());
    addRule(this, QStringLiteral("Line3"), twipsLine(2280, 960, 2280, 1680));
    LinkLabel* email =
        addLinkLabel(QStringLiteral("Label4"), QStringLiteral("Email"), twipsRect(2400, 1200, 495, 255), kRed,
                     QStringLiteral("Pinchame Para Mandarme Un Email"), kContactMailLink.toString());
    // The web addresses are named by what they show, which is what they open; "Email" is not.
    email->setAccessibleName(email->text() + QStringLiteral(": ") + QUrl(kContactMailLink.toString()).path());
    addRule(this, QStringLiteral("Line1"), twipsLine(3000, 0, 3000, 1680));

    loadArtwork();
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(twipsRect(3120, 120, 1455, 1455));
    logo->setPixmap(QPixmap(QString::fromLatin1(kLogoPath)));
    logo->setScaledContents(true);
    logo->setToolTip(kLogoName.toString());
    logo->setAccessibleName(kLogoName.toString());

    // The window has no command of its own to close it, and without a window
    // manager it has no frame either: Escape closes it.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

LinkLabel* Form2::addLinkLabel(const QString& name, const QString& text, const QRect& geometry, const QColor& colour,
                               const QString& toolTip, const QString& link)
{
    auto* label = new LinkLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setToolTip(toolTip);
    setTextColour(label, colour);
    shrinkFontToFit(label);
    connect(label, &LinkLabel::clicked, this, [this, link] { links_.openLink(link, this); });
    return label;
}

} // namespace catalogue
