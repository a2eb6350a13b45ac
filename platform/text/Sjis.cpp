#include "platform/text/Sjis.h"

#include <iconv.h>

#include <atomic>
#include <cstring>
#include <memory>

namespace platform {
namespace {

// An iconv descriptor, used only while the tables are built.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

// Converts one complete CP932 character (1 or 2 bytes); returns 0 on failure.
char32_t decodeOne(Converter& conv, const char* p, size_t n) {
    char32_t out = 0;
    char* in = const_cast<char*>(p);
    size_t inLeft = n;
    char* o = reinterpret_cast<char*>(&out);
    size_t outLeft = sizeof out;
    iconv(conv.get(), nullptr, nullptr, nullptr, nullptr);
    if (iconv(conv.get(), &in, &inLeft, &o, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
        return 0;
    return out;
}

// Encodes one code point; returns the number of bytes written to out (0 when unmappable).
int encodeOne(Converter& conv, char32_t cp, char out[4]) {
    char* in = reinterpret_cast<char*>(&cp);
    size_t inLeft = sizeof cp;
    char* o = out;
    size_t outLeft = 4;
    iconv(conv.get(), nullptr, nullptr, nullptr, nullptr);
    if (iconv(conv.get(), &in, &inLeft, &o, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
        return 0;
    return static_cast<int>(4 - outLeft);
}

// Decoding tables built once from glibc's CP932 converter, so that the
// vendor extensions are exactly iconv's and the per-character work is a
// table look-up.
struct Tables {
    char16_t single[256] = {};     // 0: not a character of its own
    char16_t pair[256][256] = {};  // [lead][trail], 0: invalid

    Tables() {
        Converter dec("UTF-32LE", "CP932");
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            if (isLeadByte(uchar(b))) continue;
            const char32_t cp = b == 0 ? 0 : decodeOne(dec, &c, 1);
            if (cp && cp < 0x10000) single[b] = char16_t(cp);
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLeadByte(uchar(lead))) continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const char two[2] = {char(lead), char(trail)};
                const char32_t cp = decodeOne(dec, two, 2);
                if (cp && cp < 0x10000) pair[lead][trail] = char16_t(cp);
            }
        }
    }

    static bool isLeadByte(uchar b) { return Sjis::isLeadByte(b); }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

// Unicode (BMP) → CP932 code, asked of iconv the first time a character is
// met, so a character with two codes gets the one iconv prefers and the
// encode-only forms (U+301C, U+2212, which input methods type) are known.
// Asking about all 65,536 characters up front cost milliseconds at every
// start, for the few hundred a run meets. Threads may ask at once: the
// answer is the same whoever learns it first.
class EncodeTable {
  public:
    // The code, 0 when CP932 has none.
    quint16 code(char16_t u) const {
        quint16 c = codes_[u].load(std::memory_order_relaxed);
        if (c == kUnknown) {
            c = learn(u);
            codes_[u].store(c, std::memory_order_relaxed);
        }
        return c == kNone ? 0 : c;
    }

  private:
    static constexpr quint16 kUnknown = 0, kNone = 0xFFFF;  // no CP932 code has 0xFF as trail byte

    static quint16 learn(char16_t u) {
        thread_local Converter enc("CP932", "UTF-32LE");
        char buf[4];
        const int n = u == 0 ? 0 : encodeOne(enc, u, buf);
        if (n == 1) return uchar(buf[0]) ? uchar(buf[0]) : kNone;
        if (n == 2) return quint16(uchar(buf[0]) << 8 | uchar(buf[1]));
        return kNone;
    }

    std::unique_ptr<std::atomic<quint16>[]> codes_ { new std::atomic<quint16>[ 0x10000 ]() };
};

const EncodeTable& encodeTable() {
    static const EncodeTable t;
    return t;
}

}  // namespace

QString Sjis::decode(const QByteArray& bytes) { return decode(bytes.constData(), bytes.size()); }

QString Sjis::decode(const char* data, qsizetype size) {
    const Tables& t = tables();
    QString result(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    qsizetype n = 0;
    const auto* u = reinterpret_cast<const unsigned char*>(data);
    for (qsizetype i = 0; i < size;) {
        const unsigned char b = u[i];
        if (b < 0x80) {
            out[n++] = b;
            ++i;
        } else if (i + 1 < size && t.pair[b][u[i + 1]]) {
            out[n++] = t.pair[b][u[i + 1]];
            i += 2;
        } else {
            out[n++] = t.single[b] ? t.single[b] : char16_t(QChar::ReplacementCharacter);
            ++i;
        }
    }
    result.truncate(n);
    return result;
}

SjisEncoded Sjis::encode(const QString& text) {
    const EncodeTable& t = encodeTable();
    SjisEncoded r;
    r.bytes.reserve(text.size() * 2);
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < 0x80) {
            r.bytes.append(char(u));
            continue;
        }
        const quint16 code = QChar::isSurrogate(u) ? 0 : t.code(u);
        if (code > 0xFF) {
            r.bytes.append(char(code >> 8)).append(char(code & 0xFF));
        } else if (code != 0) {
            r.bytes.append(char(code));
        } else {
            // A surrogate pair is one character with no CP932 form.
            const bool pairStart =
                QChar::isHighSurrogate(u) && i + 1 < size && text.at(i + 1).isLowSurrogate();
            r.unmappable.append(text.mid(i, pairStart ? 2 : 1));
            if (pairStart) ++i;
            r.bytes.append('?');
        }
    }
    return r;
}

QByteArray Sjis::bytes(const QString& text) { return encode(text).bytes; }

int Sjis::byteLength(const QString& text) {
    const EncodeTable& t = encodeTable();
    int n = 0;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (ch.isLowSurrogate()) continue;  // counted with its high surrogate as one '?'
        n += (u >= 0x80 && !ch.isSurrogate() && t.code(u) > 0xFF) ? 2 : 1;
    }
    return n;
}

bool Sjis::isDoubleByte(uint cp) {
    return cp >= 0x80 && cp < 0x10000 && !QChar::isSurrogate(cp) &&
           encodeTable().code(char16_t(cp)) > 0xFF;
}

int Sjis::compare(const QString& a, const QString& b) {
    const QByteArray x = bytes(a), y = bytes(b);
    const int n = std::min(x.size(), y.size());
    const int c = n ? std::memcmp(x.constData(), y.constData(), size_t(n)) : 0;
    if (c != 0) return c;
    return x.size() < y.size() ? -1 : (x.size() > y.size() ? 1 : 0);
}

}  // namespace platform
