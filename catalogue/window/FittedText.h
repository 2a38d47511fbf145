#pragma once
// Labels keep the positions and sizes the layout gives them, which were drawn
// for a smaller font than most desktops use and for counts of four digits. A
// text that would not fit is shown whole in a smaller size of the label's font
// rather than clipped; a text that fits keeps the font as it is.
#include <QFont>
#include <QString>

class QLabel;

namespace catalogue {

// Shows `text` in `label` in `font`, made smaller (down to 6 points) only as
// far as the text needs to fit the label's width, or its height when the label
// wraps words.
void showFitted(QLabel* label, const QString& text, QFont font);

// The same for the text and font the label already has.
void shrinkFontToFit(QLabel* label);

} // namespace catalogue
