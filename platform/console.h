// The program's terminal: arguments and output as UTF-8 text on every platform.
#pragma once

#include <string>
#include <vector>

namespace eit {

// The command line's arguments after the program name, as UTF-8 (on Windows read from the wide
// command line, since the narrow one loses what the ANSI code page cannot hold).
std::vector<std::string> CommandLineArguments(int argc, char** argv);
// Makes the console show UTF-8 output as such (Windows consoles start in an OEM code page).
void UseUtf8Console();
// Whether standard error is a terminal that understands escape sequences (on Windows, once virtual
// terminal processing could be switched on).
bool StderrTakesEscapes();

}  // namespace eit
