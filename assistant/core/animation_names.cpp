#include "animation_names.h"

#include <limits>

namespace gesticon {

const std::array<std::wstring_view, kAnimationCount> NombresAnimacion = {
    L"Acknowledge", L"Alert", L"Announce", L"Blink", L"Confused", L"Congratulate",
    L"Decline", L"DoMagic1", L"DoMagic2", L"DontRecognize", L"Explain", L"GestureDown",
    L"GestureLeft", L"GestureRight", L"GestureUp", L"GetAttention",
    L"GetAttentionContinued", L"GetAttentionReturn", L"Greet", L"Hearing_1", L"Hearing_2",
    L"Hearing_3", L"Hide", L"Idle1_1", L"Idle1_2", L"Idle1_3", L"Idle1_4", L"Idle2_1",
    L"Idle2_2", L"Idle3_1", L"Idle3_2", L"LookDown", L"LookDownReturn", L"LookLeft",
    L"LookLeftReturn", L"LookRight", L"LookRightReturn", L"LookUp", L"LookUpReturn",
    L"MoveDown", L"MoveLeft", L"MoveUp", L"MoveRight", L"Pleased", L"Process",
    L"Processing", L"Read", L"ReadContinued", L"Reading", L"ReadReturn", L"RestPose",
    L"Sad", L"Search", L"Searching", L"Show", L"StartListening", L"StopListening",
    L"Suggest", L"Surprised", L"Think", L"Thinking", L"Uncertain", L"Wave", L"Write",
    L"WriteContinued", L"WriteReturn", L"Writing",
};

Result<std::wstring_view> animationAt(std::int32_t indice)
{
    if (indice < 1 || indice > kAnimationCount)
        return runtimeError(RuntimeError::SubscriptOutOfRange);
    return NombresAnimacion[static_cast<std::size_t>(indice - 1)];
}

Result<std::wstring_view> animationForAction(std::int32_t accNombre)
{
    // `ShowA`, `Search` and `Searching` (52 to 54) stand before "Show" in the
    // enumeration but after it in the table: each plays its own name.
    switch (accNombre) {
    case 52:
        return std::wstring_view(L"Show");
    case 53:
        return std::wstring_view(L"Search");
    case 54:
        return std::wstring_view(L"Searching");
    default:
        break;
    }
    // The member's position is its value plus one, computed in 32 bits: the
    // largest value overflows before any range check.
    if (accNombre == std::numeric_limits<std::int32_t>::max())
        return runtimeError(RuntimeError::Overflow);
    const std::int32_t position = accNombre + 1;
    if (position < 1 || position > kAnimationCount)
        return runtimeError(RuntimeError::SubscriptOutOfRange);
    return NombresAnimacion[static_cast<std::size_t>(position - 1)];
}

}  // namespace gesticon
