#include "CatalogueOpening.h"

namespace catalogue {

CatalogueOpening openCatalogue(const QString& fileName, const jet::JetReader& reader,
                               const std::function<void(jet::ConversionStep)>& afterStep)
{
    const jet::ConversionOutcome conversion = jet::convertJetCatalogue(fileName, afterStep, reader);
    if (!conversion.startWindow())
        return {nullptr, {conversion.message}, {}};
    // Opened before the conversion is told, so that no other copy of the
    // program can take the new catalogue while the user reads about it.
    auto opened = DataControl::open(fileName);
    QStringList messages;
    if (!conversion.message.isEmpty())
        messages << conversion.message;
    if (opened.catalogue)
        return {std::move(opened.catalogue), messages, opened.notices};
    // Another copy opened the new catalogue first: what this one did is told all the same.
    if (conversion.result == jet::ConversionOutcome::Result::Converted && opened.result == OpeningResult::HeldElsewhere)
        messages.last() += QStringLiteral("\n\nEl catálogo convertido ya lo ha abierto otra ventana de este programa: "
                                          "sigue trabajando en esa ventana. Esta se cierra sin cambiar nada más.");
    else
        messages << opened.messages;
    return {nullptr, messages, {}};
}

} // namespace catalogue
