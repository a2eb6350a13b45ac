#include "book/exchange/TextEncoding.h"

#include <QStringDecoder>

#include "platform/Sjis.h"

namespace book {

bool isMultiByteUtf8(const char* data, qsizetype size) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    const auto* end = p + size;
    bool multiByte = false;
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int more;
        unsigned int min;
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
            min = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            min = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            min = 0x10000;
        } else {
            return false;
        }
        if (end - p <= more) return false;
        unsigned int cp = b & (0x3F >> more);
        for (int i = 1; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        multiByte = true;
        p += more + 1;
    }
    return multiByte;
}

TextEncoding detectTextEncoding(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return TextEncoding::Utf8;
    if (bytes.startsWith("\xFF\xFE")) return TextEncoding::Utf16LE;
    if (bytes.startsWith("\xFE\xFF")) return TextEncoding::Utf16BE;
    return isMultiByteUtf8(bytes.constData(), bytes.size()) ? TextEncoding::Utf8
                                                            : TextEncoding::Cp932;
}

int byteOrderMarkLength(const QByteArray& bytes, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        case TextEncoding::Utf16LE:
            return bytes.startsWith("\xFF\xFE") ? 2 : 0;
        case TextEncoding::Utf16BE:
            return bytes.startsWith("\xFE\xFF") ? 2 : 0;
        case TextEncoding::Cp932:
            return 0;
    }
    return 0;
}

QString decodeText(const QByteArray& bytes, TextEncoding encoding) {
    const int skip = byteOrderMarkLength(bytes, encoding);
    const QByteArrayView body(bytes.constData() + skip, bytes.size() - skip);
    switch (encoding) {
        case TextEncoding::Cp932:
            return platform::Sjis::decode(body.data(), body.size());
        case TextEncoding::Utf8:
            return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless)(body);
        case TextEncoding::Utf16LE:
            return QStringDecoder(QStringConverter::Utf16LE,
                                  QStringConverter::Flag::Stateless)(body);
        case TextEncoding::Utf16BE:
            return QStringDecoder(QStringConverter::Utf16BE,
                                  QStringConverter::Flag::Stateless)(body);
    }
    return QString();
}

QString encodingName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return QStringLiteral("UTF-8");
        case TextEncoding::Utf16LE:
        case TextEncoding::Utf16BE:
            return QStringLiteral("UTF-16");
        case TextEncoding::Cp932:
            return QStringLiteral("CP932 (Shift_JIS)");
    }
    return QString();
}

bool looksLikeText(const QString& text) {
    qsizetype controls = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0) return false;
        // Tab, line ends, form feed and the old end-of-file mark are text.
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != 0x1A) ++controls;
    }
    // A stray control character in a hand-made file is forgiven; many are not.
    return controls <= text.size() / 100;
}

}  // namespace book
