#pragma once
// mirel36 --postal [--reading] CODE|ADDRESS: the postal-code dictionary from
// the command line, without a display.

namespace app {

// The exit status when the dictionary is missing or damaged; 1 means that
// it was read and knows nothing of the question.
constexpr int kPostalDictionaryUnreadable = 3;

// Prints the address(es) of a seven-digit code (an office's code with the
// office's name after it), or the code(s) of an address (best first), one a
// line; with --reading, the readings in hiragana instead of the addresses
// (after each code for an address). Returns 0 when something was found, 1
// when not, 2 on a usage error, kPostalDictionaryUnreadable when the
// dictionary cannot be read.
int runPostalCommand(int argc, char** argv);

}  // namespace app
