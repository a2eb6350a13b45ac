#include "book/CommaText.h"

#include "platform/text/Sjis.h"

namespace book {
namespace {

inline bool isBlank(unsigned char b) { return b >= 0x01 && b <= 0x20; }

using platform::Sjis::charLength;

// A quoted field starting at the quote at `p`: runs to the closing quote, a
// doubled quote standing for one. Without a closing quote it runs to the end.
QByteArray readQuoted(const char*& p, const char* end) {
    QByteArray field;
    ++p;  // opening quote
    while (p < end && *p != '\0') {
        if (*p == '"') {
            if (p + 1 < end && p[1] == '"') {
                field.append('"');
                p += 2;
                continue;
            }
            ++p;  // closing quote
            return field;
        }
        const int n = charLength(p, end);
        field.append(p, n);
        p += n;
    }
    return field;
}

}  // namespace

QList<QByteArray> splitCommaText(const char* begin, const char* end) {
    QList<QByteArray> fields;
    const char* p = begin;
    auto atEnd = [&] { return p >= end || *p == '\0'; };
    while (!atEnd() && isBlank(static_cast<unsigned char>(*p))) ++p;
    while (!atEnd()) {
        if (*p == '"') {
            fields.append(readQuoted(p, end));
        } else {
            // Blanks inside an unquoted field belong to it ("東京都 港区" as a
            // spreadsheet writes it); those at its end do not.
            const char* start = p;
            const char* last = p;  // just past the last non-blank character
            while (!atEnd() && *p != ',') {
                const int n = charLength(p, end);
                p += n;
                if (n == 2 || !isBlank(static_cast<unsigned char>(p[-1]))) last = p;
            }
            fields.append(QByteArray(start, int(last - start)));
        }
        while (!atEnd() && isBlank(static_cast<unsigned char>(*p))) ++p;
        if (!atEnd() && *p == ',') {
            ++p;
            while (!atEnd() && isBlank(static_cast<unsigned char>(*p))) ++p;
            // A comma at the end of the line still ends a field: an empty one follows.
            if (atEnd()) fields.append(QByteArray());
        }
    }
    return fields;
}

QByteArray quoteCommaField(const QByteArray& field) {
    bool needsQuotes = false;
    const char* end = field.constData() + field.size();
    for (const char* p = field.constData(); p < end; p += charLength(p, end)) {
        const auto b = static_cast<unsigned char>(*p);
        if (charLength(p, end) == 1 && (b <= 0x20 || b == '"' || b == ',')) {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes) return field;
    QByteArray quoted;
    quoted.reserve(field.size() + 2);
    quoted.append('"');
    for (const char* p = field.constData(); p < end;) {
        const int n = charLength(p, end);
        quoted.append(p, n);
        if (n == 1 && *p == '"') quoted.append('"');
        p += n;
    }
    quoted.append('"');
    return quoted;
}

QByteArray joinCommaText(const QList<QByteArray>& fields) {
    QByteArray line;
    for (int i = 0; i < fields.size(); ++i) {
        if (i) line.append(',');
        line.append(quoteCommaField(fields[i]));
    }
    return line;
}

}  // namespace book
