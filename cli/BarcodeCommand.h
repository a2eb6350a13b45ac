#pragma once
// mirel36 --barcode CODE ADDRESS: the customer barcode's data of an address,
// without a display.

namespace app {

// Prints the seven digits and the address number on the first line and the
// 21 symbols between start and stop code on the second. Returns 0, 1 when
// the address cannot be split at its town, 2 on a usage error.
int runBarcodeCommand(int argc, char** argv);

}  // namespace app
