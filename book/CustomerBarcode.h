#pragma once
// The data of the customer barcode (カスタマバーコード) by Japan Post's rules:
// the address number (住所表示番号) taken from the part of an address after
// its town, joined to the seven digits of the postal code, brought to
// thirteen symbols and closed with the check character.

#include <QString>
#include <vector>

#include "render/BarcodeSymbols.h"

namespace book {

// The address number of the text after the town: "1丁目3番2号 郵便プラザ503室"
// gives "1-3-2-503". Digits, hyphens and single letters are kept (letters
// upper-cased, the hyphens beside a letter dropped); kanji numerals before
// 丁目, 丁, 番地, 番, 号, 地割, 線, の or ノ become digits; a floor's "F"
// after a number is dropped; every other run of characters is one hyphen.
QString addressNumber(const QString& afterTown);

// The 21 symbols between start and stop code: the postal code's seven
// digits, the address number (a letter as its control code and a digit),
// cut or padded with CC4 to thirteen symbols, and the check character.
// `code` is the postal code as a number (0..9999999).
std::vector<render::BarcodeSymbol> barcodeSymbols(int code, const QString& addressNumber);

// The check character of the twenty symbols before it: their check values
// and its own add up to a multiple of 19.
render::BarcodeSymbol checkSymbol(const std::vector<render::BarcodeSymbol>& symbols);

// "1 0 0 0 0 1 3 1 - 3 ... CC4 9": the names, separated by blanks.
QString symbolLine(const std::vector<render::BarcodeSymbol>& symbols);

}  // namespace book
