#pragma once
// The main window's controls as data: each label, box and button with its
// object name, caption, place in twips, colour and what screen readers are
// told of it, in the order the window builds them.

#include "Colours.h"
#include "Field.h"

#include <QRect>
#include <QStringView>

#include <span>

namespace catalogue {

struct LabelSpec {
    const char* name;
    QStringView caption;
    QRect twips;
    QColor colour = kWhite;
    double pointSize = 0; // 0: the window's own font
    bool bold = false;
    bool centred = false;
    const char16_t* toolTip = nullptr;
};

struct BoxSpec {
    Field field;
    const char* label; // the caption beside the box, which names it for screen readers
    QRect twips;
    const char16_t* toolTip;
    QColor colour = kWhite;
    const char16_t* accessibleName = nullptr; // where the caption is no name
};

struct ButtonSpec {
    int number;
    const char16_t* caption;
    QRect twips;
    const char16_t* toolTip;
    const char16_t* accessibleName = nullptr; // where the caption is no name
};

// A figure of the summary panel is read with its caption: the label above or
// beside it, or, where the window shows none in words, the figure's tooltip.
struct FigureCaption {
    const char* figure;
    const char* caption;
};

extern const std::span<const LabelSpec> kLabelSpecs;
extern const std::span<const BoxSpec> kBoxSpecs;
extern const std::span<const ButtonSpec> kButtonSpecs;
extern const std::span<const FigureCaption> kFigureCaptions;

} // namespace catalogue
