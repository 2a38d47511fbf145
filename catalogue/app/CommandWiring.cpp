#include "CommandWiring.h"
#include "Form1.h"

namespace catalogue {

void wireCommands(Form1& form1)
{
    (void)form1;
}

} // namespace catalogue
