#include "placement.h"

#include <cmath>
#include <limits>

namespace gesticon {

Result<std::int32_t> roundToInt32(double value)
{
    if (!std::isfinite(value))
        return runtimeError(RuntimeError::Overflow);
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        whole > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return runtimeError(RuntimeError::Overflow);
    return static_cast<std::int32_t>(whole);
}

std::int32_t twipsToPixels(std::int32_t twips)
{
    return twips / kTwipsPerPixel;
}

Result<std::int16_t> farEdgePosition(std::int32_t screenPixels, std::int16_t extent)
{
    // 64-bit intermediates make each 32-bit step's overflow check exact.
    const std::int64_t afterExtent = std::int64_t{screenPixels} - extent;
    if (afterExtent < std::numeric_limits<std::int32_t>::min())
        return runtimeError(RuntimeError::Overflow);
    const std::int64_t position = afterExtent - kScreenMarginPixels;
    if (position < std::numeric_limits<std::int16_t>::min() || position > std::numeric_limits<std::int16_t>::max())
        return runtimeError(RuntimeError::Overflow);
    return static_cast<std::int16_t>(position);
}

} // namespace gesticon
