#pragma once

namespace app {

// The program: command-line options, the application object, the five
// windows, the message loop. Returns the exit status.
int runProgram(int argc, char** argv);

}  // namespace app
