#include "asistente.h"

#include "animation_names.h"
#include "placement.h"
#include "windows_folder.h"

namespace gesticon {

namespace {

constexpr std::wstring_view kCharacterId = L"CharacterID";
constexpr std::wstring_view kOptionsCommand = L"Opciones";
constexpr std::wstring_view kOptionsCaption = L"&Opciones Avanzadas";

constexpr std::int32_t kBalloonOn = 1;
constexpr std::int32_t kBalloonAutoHide = 4;
constexpr std::int32_t kBalloonAutoPace = 8;

// Base name of the character file; nullptr leaves the previous name.
const wchar_t* characterFileBaseName(std::int32_t guia)
{
    switch (static_cast<Muneco>(guia)) {
    case Muneco::Genie: return L"genie";
    case Muneco::Merlin: return L"merlin";
    case Muneco::Robby: return L"robby";
    case Muneco::Peedy: return L"peedy";
    }
    return nullptr;
}

} // namespace

Result<std::unique_ptr<asistente>> asistente::create(const ControlFactory& createControl, Platform platform)
{
    auto control = createControl();
    if (!control)
        return control.failure();
    std::unique_ptr<asistente> object(new asistente(std::move(*control), std::move(platform)));
    asistente* self = object.get();
    // The control lives inside the object and dies with it, so the handler
    // never outlives the object it calls.
    if (auto subscribed =
            self->agnAsistente->subscribeCommand([self](AgentUserInput& input) { self->agnAsistente_Command(input); });
        !subscribed)
        return subscribed.failure();
    self->CarpetaWindows = BuscarCarpetaWindows(self->platform_);
    return object;
}

asistente::asistente(std::unique_ptr<AgentControl> control, Platform platform)
    : agnAsistente(std::move(control)), platform_(std::move(platform))
{}

Result<AgentCharacter*> asistente::character() const
{
    if (!Personaje)
        return runtimeError(RuntimeError::ObjectNotSet);
    return Personaje.get();
}

Status asistente::Show(std::int32_t LenguajeID, std::int32_t GUIA)
{
    if (const wchar_t* baseName = characterFileBaseName(GUIA))
        NombrePersonaje = baseName;
    if (Cargado == 1) {
        if (auto unloaded = Unload(); !unloaded)
            return unloaded;
    }
    const std::wstring file = CarpetaWindows + L"msagent\\chars\\" + NombrePersonaje + L".acs";
    if (auto loaded = agnAsistente->loadCharacter(kCharacterId, file); !loaded)
        return loaded;
    Cargado = 1;
    auto loadedCharacter = agnAsistente->character(kCharacterId);
    if (!loadedCharacter)
        return loadedCharacter.failure();
    Personaje = std::move(*loadedCharacter);

    if (auto added = Personaje->addCommand(kOptionsCommand, kOptionsCaption); !added)
        return added;
    if (auto language = Personaje->setLanguageId(LenguajeID); !language)
        return language;
    if (auto shown = Personaje->show(); !shown)
        return shown;

    const ScreenTwips screen = platform_.screenSizeInTwips();
    auto left = placement(screen.width, true);
    if (!left)
        return left.failure();
    if (auto placed = Personaje->setLeft(*left); !placed)
        return placed;
    auto top = placement(screen.height, false);
    if (!top)
        return top.failure();
    if (auto placed = Personaje->setTop(*top); !placed)
        return placed;
    return {};
}

Result<std::int16_t> asistente::placement(double screenTwips, bool horizontal)
{
    // Same order as the expression it stands for: the screen size is converted
    // before the character's extent is asked for.
    auto twips = roundToInt32(screenTwips);
    if (!twips)
        return twips.failure();
    const std::int32_t pixels = twipsToPixels(*twips);
    auto extent = horizontal ? Personaje->width() : Personaje->height();
    if (!extent)
        return extent.failure();
    return farEdgePosition(pixels, *extent);
}

Status asistente::Unload()
{
    // Always asked of the control, loaded or not: a refusal is the caller's to see.
    auto unloaded = agnAsistente->unloadCharacter(kCharacterId);
    if (unloaded)
        Cargado = 0;
    return unloaded;
}

Status asistente::Sound(std::int16_t NuevoValor)
{
    ValorSound = NuevoValor;
    auto target = character();
    if (!target)
        return target.failure();
    return (*target)->setSoundEffectsOn(NuevoValor);
}

Status asistente::Balloon(std::int16_t NuevoValor)
{
    ValorBalloon = NuevoValor;
    return setBalloonStyleBit(NuevoValor, kBalloonOn);
}

Status asistente::AutoHide(std::int16_t NuevoValor)
{
    ValorAutoHide = NuevoValor;
    return setBalloonStyleBit(NuevoValor, kBalloonAutoHide);
}

Status asistente::AutoSpace(std::int16_t NuevoValor)
{
    ValorAutoSpace = NuevoValor;
    return setBalloonStyleBit(NuevoValor, kBalloonAutoPace);
}

Status asistente::setBalloonStyleBit(std::int16_t on, std::int32_t bit)
{
    auto target = character();
    if (!target)
        return target.failure();
    auto style = (*target)->balloonStyle();
    if (!style)
        return style.failure();
    const std::int32_t updated = on != 0 ? (*style | bit) : (*style & ~bit);
    return (*target)->setBalloonStyle(updated);
}

Status asistente::Speak(std::wstring_view strOracion)
{
    const std::wstring text(strOracion);
    auto target = character();
    if (!target)
        return target.failure();
    return (*target)->speak(text);
}

Status asistente::Think(std::wstring_view strOracion)
{
    const std::wstring text(strOracion);
    auto target = character();
    if (!target)
        return target.failure();
    return (*target)->think(text);
}

Status asistente::Move(std::int16_t x, std::int16_t y)
{
    auto target = character();
    if (!target)
        return target.failure();
    return (*target)->moveTo(x, y);
}

Status asistente::Action(std::int32_t accNombre)
{
    // The member is looked up before the character is used, so a bad value
    // reports error 9 (or 6) even before the first Show.
    auto animation = animationForAction(accNombre);
    if (!animation)
        return animation.failure();
    auto target = character();
    if (!target)
        return target.failure();
    return (*target)->play(*animation);
}

Result<std::wstring> asistente::Animations(std::int16_t indice) const
{
    auto name = animationAt(indice);
    if (!name)
        return name.failure();
    return std::wstring(*name);
}

Status asistente::Stop_Asistente()
{
    auto target = character();
    if (!target)
        return target.failure();
    if (auto stopped = (*target)->stop(); !stopped)
        return stopped;
    return (*target)->play(L"RestPose");
}

Status asistente::agnAsistente_Command(AgentUserInput& UserInput)
{
    auto name = UserInput.name();
    if (!name)
        return name.failure();
    if (*name != kOptionsCommand)
        return {};
    return agnAsistente->showPropertySheet();
}

} // namespace gesticon
