#include "BrowseCommands.h"
#include "DirectorStepping.h"
#include "Form1.h"

namespace catalogue {

void attachBrowseCommands(Form1& form1)
{
    form1.runOnClick(form1.Command5(), Command5_Click);
    form1.runOnClick(form1.Command6(), Command6_Click);
}

} // namespace catalogue
