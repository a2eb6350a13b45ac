#include "platform/Sjis.h"

#include <errno.h>
#include <iconv.h>

#include <cstring>
#include <mutex>

namespace platform {
namespace {

// iconv descriptors are not thread-safe, but everything runs on the GUI
// thread; a mutex keeps the helpers safe for tests and tools all the same.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }
    std::mutex& mutex() { return mutex_; }

private:
    iconv_t cd_;
    std::mutex mutex_;
};

Converter& toUtf32() {
    static Converter c("UTF-32LE", "CP932");
    return c;
}
Converter& fromUtf32() {
    static Converter c("CP932", "UTF-32LE");
    return c;
}

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

}  // namespace

QString Sjis::decode(const QByteArray& bytes) { return decode(bytes.constData(), bytes.size()); }

QString Sjis::decode(const char* data, qsizetype size) {
    QString result;
    result.reserve(size);
    Converter& conv = toUtf32();
    std::lock_guard<std::mutex> lock(conv.mutex());
    const auto* u = reinterpret_cast<const unsigned char*>(data);
    qsizetype i = 0;
    while (i < size) {
        const unsigned char b = u[i];
        if (b < 0x80) {  // ASCII is the same in CP932; the common case stays fast
            result.append(QChar(b));
            ++i;
            continue;
        }
        if (b >= 0xA1 && b <= 0xDF) {  // half-width katakana
            result.append(QChar(char16_t(0xFF61 + (b - 0xA1))));
            ++i;
            continue;
        }
        if (isLeadByte(b) && i + 1 < size) {
            const char32_t cp = decodeOne(conv, data + i, 2);
            if (cp != 0) {
                result.append(QString::fromUcs4(&cp, 1));
                i += 2;
                continue;
            }
        }
        result.append(QChar(QChar::ReplacementCharacter));
        ++i;
    }
    return result;
}

SjisEncoded Sjis::encode(const QString& text) {
    SjisEncoded r;
    r.bytes.reserve(text.size() * 2);
    Converter& conv = fromUtf32();
    std::lock_guard<std::mutex> lock(conv.mutex());
    const QList<uint> cps = text.toUcs4();
    char buf[4];
    for (uint cp : cps) {
        if (cp < 0x80) {
            r.bytes.append(char(cp));
            continue;
        }
        const int n = encodeOne(conv, char32_t(cp), buf);
        if (n > 0) {
            r.bytes.append(buf, n);
        } else {
            const char32_t c = cp;
            r.unmappable.append(QString::fromUcs4(&c, 1));
            r.bytes.append('?');
        }
    }
    return r;
}

QByteArray Sjis::bytes(const QString& text) { return encode(text).bytes; }

int Sjis::byteLength(const QString& text) {
    int n = 0;
    for (QChar ch : text) {
        const ushort u = ch.unicode();
        if (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F))
            n += 1;
        else if (ch.isLowSurrogate())
            continue;  // counted with its high surrogate as one '?'
        else if (ch.isHighSurrogate())
            n += 1;
        else
            n += isDoubleByte(u) ? 2 : 1;
    }
    return n;
}

bool Sjis::isDoubleByte(uint cp) {
    if (cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F)) return false;
    if (cp > 0xFFFF) return false;  // never in CP932; written as '?'
    Converter& conv = fromUtf32();
    std::lock_guard<std::mutex> lock(conv.mutex());
    char buf[4];
    return encodeOne(conv, char32_t(cp), buf) == 2;
}

int Sjis::compare(const QString& a, const QString& b) {
    const QByteArray x = bytes(a), y = bytes(b);
    const int n = std::min(x.size(), y.size());
    const int c = n ? std::memcmp(x.constData(), y.constData(), size_t(n)) : 0;
    if (c != 0) return c;
    return x.size() < y.size() ? -1 : (x.size() > y.size() ? 1 : 0);
}

}  // namespace platform
