#pragma once
namespace catalogue {

class Form1;

// When the session ends the program (SIGTERM at logout, SIGHUP when its
// terminal goes away, SIGINT from a terminal) the window closes as on
// "Salir": the codec being typed is stored and the catalogue is closed.
void closeOnTermination(Form1& form1);

} // namespace catalogue
