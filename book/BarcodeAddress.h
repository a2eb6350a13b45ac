#pragma once
// The customer barcode of a record: its postal code looked up in the
// postal-code dictionary, its address split after the code's town, and the
// address number after the town made into symbols. The only place the
// barcode reads the dictionary.

#include <QString>
#include <vector>

#include "render/AddressSideInput.h"
#include "render/BarcodeSymbols.h"

namespace book {

class PostalDictionary;
class PostalDictionaryFile;

struct RecordBarcode {
    int code = -1;                               // the postal code, -1 when there is none
    QString number;                              // the address number, in full
    std::vector<render::BarcodeSymbol> symbols;  // empty: no barcode
    QString failure;                             // why there is none, in words for the user

    bool ok() const { return !symbols.empty(); }
    // The seven digits and the address number: "10000131-3-2-503".
    QString dataText() const;
};

// `postalCell` as the grid holds it; `address` is 住所1 and 住所2 together.
// No barcode when there is no complete code, the code is not in the
// dictionary, it is a municipality's catch-all code (one ending in 00, with
// no town), or the address does not begin with one of the code's towns. An
// office's own code needs no address: its seven digits alone.
RecordBarcode recordBarcode(const PostalDictionary& dictionary, const QString& postalCell,
                            const QString& address);

// When `input` asks for the barcode, puts the symbols of its record in (none
// when it has none) and returns why it has none; the dictionary is read
// only then. Returns empty when the barcode is off or drawn.
QString attachRecordBarcode(render::AddressSideInput& input, PostalDictionaryFile& dictionary);

}  // namespace book
