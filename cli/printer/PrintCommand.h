#pragma once

namespace app {

// "mirel36 --print ...": prints without any window; returns the exit status
// (0 printed, 1 failed, 2 a mistake on the command line).
int runPrintCommand(int argc, char** argv);

}  // namespace app
