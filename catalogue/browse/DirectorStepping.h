#pragma once
// "< Direct." and "> Direct.": from the shown film to the nearest earlier or
// later film, in the browse order in force, whose director is the one the
// last successful director search landed on (the caption of quebus).

namespace catalogue {

class Form1;

// "< Direct."
void Command5_Click(Form1& form1);
// "> Direct."
void Command6_Click(Form1& form1);

} // namespace catalogue
