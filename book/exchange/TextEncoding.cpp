#include "book/exchange/TextEncoding.h"

#include <QStringDecoder>
#include <QStringList>

#include "platform/text/Sjis.h"

namespace book {

namespace {

struct Utf8Count {
    qsizetype multiByte = 0;  // valid sequences of two bytes or more
    qsizetype invalid = 0;    // bytes or cut sequences that are not UTF-8
};

Utf8Count countUtf8(const char* data, qsizetype size) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    const auto* end = p + size;
    Utf8Count n;
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int more = 0;
        unsigned int min = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
            min = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            min = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            min = 0x10000;
        }
        bool ok = more > 0 && end - p > more;
        unsigned int cp = b & (0x3F >> more);
        for (int i = 1; ok && i <= more; ++i) {
            ok = (p[i] & 0xC0) == 0x80;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        ok = ok && cp >= min && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        if (ok) {
            ++n.multiByte;
            p += more + 1;
        } else {
            ++n.invalid;
            ++p;  // resynchronise on the next byte
        }
    }
    return n;
}

// UTF-8 but for a few bytes: a cut last character or one stray Latin-1
// letter. CP932 text has a byte outside UTF-8 in almost every character and
// only now and then a pair that happens to be valid.
bool mostlyUtf8(const char* data, qsizetype size) {
    const Utf8Count n = countUtf8(data, size);
    return n.multiByte > 0 && n.multiByte > 3 * n.invalid;
}

// UTF-16 of any text with line ends and separators holds NUL bytes (the
// high byte of every ASCII character); a file without any that reads as
// UTF-8 is UTF-8, whatever its first bytes claim.
bool hasNulByte(const QByteArray& bytes, qsizetype from) { return bytes.indexOf('\0', from) >= 0; }

const char kUtf8Mark[] = "\xEF\xBB\xBF";

int markLength(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf8Mark)) return 3;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) return 2;
    return 0;
}

}  // namespace

bool readsAsUtf8(const QByteArray& bytes) {
    return countUtf8(bytes.constData(), bytes.size()).invalid == 0 ||
           mostlyUtf8(bytes.constData(), bytes.size());
}

bool isMultiByteUtf8(const char* data, qsizetype size) {
    const Utf8Count n = countUtf8(data, size);
    return n.multiByte > 0 && n.invalid == 0;
}

TextEncoding detectTextEncoding(const QByteArray& bytes) {
    const int mark = markLength(bytes);
    const char* body = bytes.constData() + mark;
    const qsizetype size = bytes.size() - mark;
    if (mark == 2 && (size == 0 || hasNulByte(bytes, 2) || !mostlyUtf8(body, size)))
        return bytes.startsWith("\xFF\xFE") ? TextEncoding::Utf16LE : TextEncoding::Utf16BE;
    // A UTF-8 mark over text that is not UTF-8 at all (a CP932 file an
    // editor marked) is not believed either.
    if (mark == 3 && (size == 0 || mostlyUtf8(body, size) || countUtf8(body, size).invalid == 0))
        return TextEncoding::Utf8;
    return mostlyUtf8(body, size) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

int byteOrderMarkLength(const QByteArray& bytes, TextEncoding encoding) {
    // A mark of another encoding (one that lied about the file) is no text
    // either; UTF-16 only knows its own.
    switch (encoding) {
        case TextEncoding::Utf8:
        case TextEncoding::Cp932:
            return markLength(bytes);
        case TextEncoding::Utf16LE:
        case TextEncoding::Utf16BE:
            return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ? 2 : 0;
    }
    return 0;
}

QString decodeText(const QByteArray& bytes, TextEncoding encoding) {
    const int skip = byteOrderMarkLength(bytes, encoding);
    qsizetype size = bytes.size() - skip;
    // Half a UTF-16 unit at the end is no character (strayBytesNote says so).
    if ((encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE) && size % 2)
        --size;
    const QByteArrayView body(bytes.constData() + skip, size);
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

QString strayBytesNote(const QByteArray& bytes, TextEncoding encoding, const QString& text) {
    QStringList notes;
    const bool utf16 = encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
    if (utf16 && (bytes.size() - byteOrderMarkLength(bytes, encoding)) % 2)
        notes << QStringLiteral(
            "UTF-16 のファイルの最後に半端な 1 バイトがあり、読み飛ばしました。");
    // Lines holding U+FFFD, the decoders' mark for bytes they could not read.
    QStringList lines;
    int line = 1, count = 0;
    bool marked = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QChar::ReplacementCharacter && !marked) {
            marked = true;
            if (++count <= 10) lines << QString::number(line);
        }
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') &&
             (i + 1 >= text.size() || text[i + 1] != QLatin1Char('\n')))) {
            ++line;
            marked = false;
        }
    }
    if (count > 0)
        notes << QStringLiteral("%1 として読めないバイトがあり、� で表しています（%2%3 行目）。")
                     .arg(encodingName(encoding), lines.join(QStringLiteral(", ")),
                          count > 10 ? QStringLiteral(" ほか") : QString());
    return notes.join(QLatin1Char(' '));
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
