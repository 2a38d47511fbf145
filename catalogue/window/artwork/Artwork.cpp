#include "Artwork.h"

// Q_INIT_RESOURCE must stand outside any namespace.
static void initArtworkResources()
{
    Q_INIT_RESOURCE(artwork);
}

namespace catalogue {

void loadArtwork()
{
    static const bool kLoaded = (initArtworkResources(), true);
    (void)kLoaded;
}

QIcon aboutIcon()
{
    loadArtwork();
    // The PNG copies need no image plugin; the .ico is the same picture for
    // Windows tools.
    QIcon icon;
    icon.addFile(QStringLiteral(":/artwork/about-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/artwork/about-16.png"), QSize(16, 16));
    return icon;
}

} // namespace catalogue
