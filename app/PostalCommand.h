#pragma once
// mirel36 --postal CODE|ADDRESS: the postal-code dictionary from the command
// line, without a display.

namespace app {

// The exit status when the dictionary is missing or damaged; 1 means that
// it was read and knows nothing of the question.
constexpr int kPostalDictionaryUnreadable = 3;

// Prints the address(es) of a seven-digit code, or the code(s) of an
// address (best first), one a line. Returns 0 when something was found, 1
// when not, 2 on a usage error, kPostalDictionaryUnreadable when the
// dictionary cannot be read.
int runPostalCommand(int argc, char** argv);

}  // namespace app
