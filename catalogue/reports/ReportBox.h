#pragma once

namespace catalogue {

// The main window's seven bound text boxes, in the order of a film's fields:
// number, title, running time, kind of copy, director, CDs, codec.
enum class Box { a, b, c, d, e, f, g };

inline constexpr Box kAllBoxes[] = {Box::a, Box::b, Box::c, Box::d, Box::e, Box::f, Box::g};

} // namespace catalogue
