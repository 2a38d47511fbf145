#include "builtin_failures.h"

#include <string>

namespace gesticon::builtin {

namespace {

Failure failure(std::int32_t code, std::wstring description)
{
    return Failure{code, std::move(description), kErrorSource};
}

std::wstring quoted(std::wstring_view text)
{
    return L"\"" + std::wstring(text) + L"\"";
}

} // namespace

Failure unknownAnimation(std::wstring_view name)
{
    return failure(kErrorUnknownAnimation,
                   L"El personaje no tiene la animación " + quoted(name) + L"; no ha hecho nada.");
}

Failure unknownCharacter(std::wstring_view loadKey)
{
    return failure(kErrorUnknownCharacter,
                   L"No hay ningún personaje del asistente para " + quoted(loadKey) + L"; no se ha cargado nada.");
}

Failure notLoaded(std::wstring_view characterId)
{
    return failure(kErrorNotLoaded,
                   L"No hay ningún personaje cargado como " + quoted(characterId) + L"; nada ha cambiado.");
}

Failure alreadyLoaded(std::wstring_view characterId)
{
    return failure(kErrorAlreadyLoaded,
                   L"Ya hay un personaje cargado como " + quoted(characterId) + L"; nada ha cambiado.");
}

Failure platformFailure(std::int32_t code, std::wstring_view what)
{
    return failure(code, L"Windows no ha podido " + std::wstring(what) + L"; el personaje no se ha cargado.");
}

} // namespace gesticon::builtin
