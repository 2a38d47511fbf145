#include "CommandWiring.h"
#include "BrowseCommands.h"
#include "Form1.h"

namespace catalogue {

void wireCommands(Form1& form1)
{
    attachBrowseCommands(form1);
}

} // namespace catalogue
