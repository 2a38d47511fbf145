#include "animation_names.h"

#include <limits>

namespace gesticon {

namespace {

// The members whose name is not the animation at position value + 1:
// `ShowA`, `Search` and `Searching` stand before "Show" in the enumeration but
// after it in the table, and each plays its own name; `ThinkW` and `WriteA`
// carry a final letter that their animation's name does not.
struct OwnName {
    std::int32_t value;
    std::wstring_view member;
    std::wstring_view animation;
};
constexpr OwnName kOwnNames[] = {
    {52, L"ShowA", L"Show"},   {53, L"Search", L"Search"}, {54, L"Searching", L"Searching"},
    {59, L"ThinkW", L"Think"}, {63, L"WriteA", L"Write"},
};

const OwnName* ownName(std::int32_t value)
{
    for (const OwnName& own : kOwnNames) {
        if (own.value == value)
            return &own;
    }
    return nullptr;
}

} // namespace

const std::array<std::wstring_view, kAnimationCount> NombresAnimacion = {
    L"Acknowledge",
    L"Alert",
    L"Announce",
    L"Blink",
    L"Confused",
    L"Congratulate",
    L"Decline",
    L"DoMagic1",
    L"DoMagic2",
    L"DontRecognize",
    L"Explain",
    L"GestureDown",
    L"GestureLeft",
    L"GestureRight",
    L"GestureUp",
    L"GetAttention",
    L"GetAttentionContinued",
    L"GetAttentionReturn",
    L"Greet",
    L"Hearing_1",
    L"Hearing_2",
    L"Hearing_3",
    L"Hide",
    L"Idle1_1",
    L"Idle1_2",
    L"Idle1_3",
    L"Idle1_4",
    L"Idle2_1",
    L"Idle2_2",
    L"Idle3_1",
    L"Idle3_2",
    L"LookDown",
    L"LookDownReturn",
    L"LookLeft",
    L"LookLeftReturn",
    L"LookRight",
    L"LookRightReturn",
    L"LookUp",
    L"LookUpReturn",
    L"MoveDown",
    L"MoveLeft",
    L"MoveUp",
    L"MoveRight",
    L"Pleased",
    L"Process",
    L"Processing",
    L"Read",
    L"ReadContinued",
    L"Reading",
    L"ReadReturn",
    L"RestPose",
    L"Sad",
    L"Search",
    L"Searching",
    L"Show",
    L"StartListening",
    L"StopListening",
    L"Suggest",
    L"Surprised",
    L"Think",
    L"Thinking",
    L"Uncertain",
    L"Wave",
    L"Write",
    L"WriteContinued",
    L"WriteReturn",
    L"Writing",
};

Result<std::wstring_view> animationAt(std::int32_t indice)
{
    if (indice < 1 || indice > kAnimationCount)
        return runtimeError(RuntimeError::SubscriptOutOfRange);
    return NombresAnimacion[static_cast<std::size_t>(indice - 1)];
}

Result<std::wstring_view> animationForAction(std::int32_t accNombre)
{
    if (const OwnName* own = ownName(accNombre))
        return own->animation;
    // The member's position is its value plus one, computed in 32 bits: the
    // largest value overflows before any range check.
    if (accNombre == std::numeric_limits<std::int32_t>::max())
        return runtimeError(RuntimeError::Overflow);
    const std::int32_t position = accNombre + 1;
    if (position < 1 || position > kAnimationCount)
        return runtimeError(RuntimeError::SubscriptOutOfRange);
    return NombresAnimacion[static_cast<std::size_t>(position - 1)];
}

std::wstring_view accionMemberName(std::int32_t value)
{
    if (const OwnName* own = ownName(value))
        return own->member;
    return NombresAnimacion[static_cast<std::size_t>(value)];
}

} // namespace gesticon
