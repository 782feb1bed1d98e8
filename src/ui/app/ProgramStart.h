// What the program needs from the system before anything else runs: its
// arguments as UTF-8 text, and a console to print to.
#pragma once

#include <string>
#include <vector>

// The arguments after the program's name, as UTF-8. On Windows they are read
// from the wide-character command line, so that a file name holding "é" or
// "€" arrives whole whatever the system's code page; elsewhere they are the
// bytes of argv.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Makes standard output and standard error reach the console the program was
// started from. On Windows the editor is a GUI program, which has no console
// of its own: the command-line jobs attach to the one of the command prompt
// that started them, unless their output is redirected to a file or a pipe
// already. Elsewhere nothing needs doing.
void ConnectToConsole();
