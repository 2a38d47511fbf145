#include "CatalogueOpening.h"

namespace catalogue {

Opening<DataControl> openCatalogue(const QString& fileName, const jet::JetReader& reader,
                                   const std::function<void(jet::ConversionStep)>& afterStep)
{
    const auto conversion = jet::convertJetCatalogue(fileName, afterStep, reader);
    if (conversion.result == OpeningResult::Refused || conversion.result == OpeningResult::HeldElsewhere)
        return {conversion.result, nullptr, conversion.messages, {}, conversion.problem};
    // Opened before the conversion is told, so that no other copy of the
    // program can take the new catalogue while the user reads about it.
    auto opened = DataControl::open(fileName);
    QStringList messages = conversion.messages;
    if (opened.catalogue)
        return {conversion.result, std::move(opened.catalogue), messages, opened.notices};
    // Another copy opened the new catalogue first: what this one did is told all the same.
    if (conversion.result == OpeningResult::Converted && opened.result == OpeningResult::HeldElsewhere) {
        messages.last() += QStringLiteral("\n\nEl catálogo convertido ya lo ha abierto otra ventana de este programa: "
                                          "sigue trabajando en esa ventana. Esta se cierra sin cambiar nada más.");
        return {OpeningResult::HeldElsewhere, nullptr, messages};
    }
    return {opened.result, nullptr, messages << opened.messages, {}, opened.problem};
}

} // namespace catalogue
