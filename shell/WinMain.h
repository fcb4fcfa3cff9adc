// The program: records where it is installed, lets only one copy run, makes its windows in
// order and runs the event loop until the main window closes.  The caller has made the
// QApplication and installed the message boxes (and, in the real program, sound and music).
#pragma once

#include <string>
#include <vector>

// `args` are the program's arguments as GBK text, the first argument first (ProgramArguments
// gives them from main's).  Returns the exit code, 0.
int WinMain(const std::vector<std::string>& args);

// main's arguments after the program's name, as GBK text; a saved game named under the program
// folder keeps a path that reaches it, whatever the folder is called.
std::vector<std::string> ProgramArguments(int argc, const char* const* argv);
