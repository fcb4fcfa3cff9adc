// The program: records where it is installed, lets only one copy run, makes its windows in
// order and runs the event loop until the main window closes.  The caller has made the
// QApplication and installed the message boxes (and, in the real program, sound and music).
#pragma once

#include <string>
#include <vector>

// `args` are the program's arguments as GBK text, the first argument first.  Returns the exit
// code, 0.
int WinMain(const std::vector<std::string>& args);
