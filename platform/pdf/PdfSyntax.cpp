#include "platform/pdf/PdfSyntax.h"

#include <charconv>
#include <cmath>

namespace platform::pdf {

void appendInt(std::string& out, long long v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void appendNumber(std::string& out, double v, int decimals) {
    static constexpr long long kScale[] = {1,      10,      100,      1000,      10000,
                                           100000, 1000000, 10000000, 100000000, 1000000000};
    if (decimals < 0) decimals = 0;
    if (decimals > 9) decimals = 9;
    const long long scale = kScale[decimals];
    long long fixed = std::llround(v * double(scale));
    if (fixed < 0) {
        out.push_back('-');
        fixed = -fixed;
    }
    appendInt(out, fixed / scale);
    long long frac = fixed % scale;
    if (frac == 0) return;
    int digits = decimals;
    while (frac % 10 == 0) {
        frac /= 10;
        --digits;
    }
    char buf[10];
    for (int i = digits - 1; i >= 0; --i) {
        buf[i] = char('0' + frac % 10);
        frac /= 10;
    }
    out.push_back('.');
    out.append(buf, size_t(digits));
}

void appendHex4(std::string& out, unsigned v) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const char s[4] = {kDigits[(v >> 12) & 15], kDigits[(v >> 8) & 15], kDigits[(v >> 4) & 15],
                       kDigits[v & 15]};
    out.append(s, 4);
}

}  // namespace platform::pdf
