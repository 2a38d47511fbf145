#pragma once
// The assistant: one agent control, at most one character loaded under the
// fixed identifier "CharacterID", four remembered settings, and the commands
// that make the character talk, think, move, animate and stop.
// No operation handles errors itself: the first failing step ends it, and
// what the earlier steps did stays done.

#include "agent_control.h"
#include "failure.h"
#include "platform.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace gesticon {

// `Muñeco`: the character shown by `Show`.
enum class Muneco : std::int32_t { Genie = 0, Merlin = 1, Robby = 2, Peedy = 3 };

inline constexpr std::int16_t kVbTrue = -1;
inline constexpr std::int16_t kVbFalse = 0;

class asistente {
public:
    using ControlFactory = std::function<Result<std::unique_ptr<AgentControl>>()>;

    // Creates the control (its failure fails the creation), subscribes to its
    // Command event and finds the Windows folder.
    static Result<std::unique_ptr<asistente>> create(const ControlFactory& createControl, Platform platform);

    asistente(const asistente&) = delete;
    asistente& operator=(const asistente&) = delete;

    Status Show(std::int32_t LenguajeID, std::int32_t GUIA);
    Status Unload();

    std::int16_t Sound() const { return ValorSound; }
    std::int16_t Balloon() const { return ValorBalloon; }
    std::int16_t AutoHide() const { return ValorAutoHide; }
    std::int16_t AutoSpace() const { return ValorAutoSpace; }
    Status Sound(std::int16_t NuevoValor);
    Status Balloon(std::int16_t NuevoValor);
    Status AutoHide(std::int16_t NuevoValor);
    Status AutoSpace(std::int16_t NuevoValor);

    Status Speak(std::wstring_view strOracion);
    Status Think(std::wstring_view strOracion);
    Status Move(std::int16_t x, std::int16_t y);
    Status Action(std::int32_t accNombre);
    Result<std::wstring> Animations(std::int16_t indice) const;
    Status Stop_Asistente();

    // Handler of the control's Command event.
    Status agnAsistente_Command(AgentUserInput& UserInput);

private:
    asistente(std::unique_ptr<AgentControl> control, Platform platform);

    Status setBalloonStyleBit(std::int16_t on, std::int32_t bit);
    Result<std::int16_t> placement(double screenTwips, bool horizontal);
    // The loaded character, or error 91 when no Show has succeeded yet.
    Result<AgentCharacter*> character() const;

    std::unique_ptr<AgentControl> agnAsistente;
    std::unique_ptr<AgentCharacter> Personaje;
    Platform platform_;
    std::wstring CarpetaWindows;
    std::wstring NombrePersonaje;
    // 1 while the control holds a character this object loaded under
    // "CharacterID": set by a successful load, cleared by a successful unload.
    // Show unloads first only then, so Show after Unload works on a control
    // that refuses to unload what is not loaded, and a Show that failed after
    // its load does not make every later Show fail on "already loaded".
    std::uint8_t Cargado = 0;
    std::int16_t ValorSound = kVbFalse;
    std::int16_t ValorBalloon = kVbTrue;
    std::int16_t ValorAutoHide = kVbTrue;
    std::int16_t ValorAutoSpace = kVbTrue;
};

} // namespace gesticon
