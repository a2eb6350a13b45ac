#include "render/BarcodeSymbols.h"

namespace render {

QString barcodeSymbolName(BarcodeSymbol symbol) {
    if (symbol >= 0 && symbol <= 9) return QString::number(symbol);
    if (symbol == kBarcodeHyphen) return QStringLiteral("-");
    if (symbol >= kBarcodeCC1 && symbol <= kBarcodeCC8)
        return QStringLiteral("CC%1").arg(symbol - kBarcodeCC1 + 1);
    return QString();
}

std::array<Bar, 3> barsOfSymbol(BarcodeSymbol symbol) {
    constexpr Bar L = Bar::Long, A = Bar::Ascender, D = Bar::Descender, T = Bar::Timing;
    static constexpr std::array<std::array<Bar, 3>, 19> table{{
        {L, T, T}, {L, L, T}, {L, D, A}, {D, L, A}, {L, A, D},  // 0-4
        {L, T, L}, {D, A, L}, {A, L, D}, {A, D, L}, {T, L, L},  // 5-9
        {T, L, T},                                              // -
        {D, A, T}, {D, T, A}, {A, D, T}, {T, D, A},             // CC1-CC4
        {A, T, D}, {T, A, D}, {T, T, L}, {L, L, L},             // CC5-CC8
    }};
    if (symbol < 0 || symbol >= int(table.size())) return {T, T, T};
    return table[size_t(symbol)];
}

std::vector<Bar> barcodeBars(const std::vector<BarcodeSymbol>& symbols) {
    std::vector<Bar> bars(kStartBars.begin(), kStartBars.end());
    for (BarcodeSymbol s : symbols)
        for (Bar b : barsOfSymbol(s)) bars.push_back(b);
    bars.insert(bars.end(), kStopBars.begin(), kStopBars.end());
    return bars;
}

}  // namespace render
