#pragma once
// The symbols of the customer barcode (カスタマバーコード) and the bars that
// draw them. A symbol is held as its check value: 0 to 9 the digits, 10 the
// hyphen, 11 to 18 the control codes CC1 to CC8.

#include <QString>
#include <array>
#include <vector>

namespace render {

using BarcodeSymbol = int;

inline constexpr BarcodeSymbol kBarcodeHyphen = 10;
inline constexpr BarcodeSymbol kBarcodeCC1 = 11;
inline constexpr BarcodeSymbol kBarcodeCC4 = 14;
inline constexpr BarcodeSymbol kBarcodeCC8 = 18;
// Seven digits of the postal code, thirteen of the address number, the check.
inline constexpr int kBarcodeSymbolCount = 21;

// "0".."9", "-", "CC1".."CC8"; empty for anything else.
QString barcodeSymbolName(BarcodeSymbol symbol);

// The four bar shapes: the long bar spans all three thirds of the height,
// the ascender the upper two, the descender the lower two, the timing bar
// the middle one.
enum class Bar { Long, Ascender, Descender, Timing };

// The three bars of a symbol, left to right.
std::array<Bar, 3> barsOfSymbol(BarcodeSymbol symbol);
inline constexpr std::array<Bar, 2> kStartBars{Bar::Long, Bar::Descender};
inline constexpr std::array<Bar, 2> kStopBars{Bar::Descender, Bar::Long};

// Every bar of a whole barcode: start code, the symbols, stop code.
std::vector<Bar> barcodeBars(const std::vector<BarcodeSymbol>& symbols);

}  // namespace render
