#pragma once
// mirel36 --postal CODE|ADDRESS: the postal-code dictionary from the command
// line, without a display.

namespace app {

// Prints the address(es) of a seven-digit code, or the code(s) of an
// address (best first), one a line. Returns 0 when something was found, 1
// when not, 2 on a usage error.
int runPostalCommand(int argc, char** argv);

}  // namespace app
