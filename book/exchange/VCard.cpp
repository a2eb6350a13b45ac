#include "book/exchange/VCard.h"

#include <QStringDecoder>

#include "book/exchange/FieldText.h"
#include "book/exchange/TextEncoding.h"
#include "platform/text/Sjis.h"
#include "records/AddressRecord.h"

namespace book {
namespace {

const QChar kIdeographicSpace(0x3000);

// One property line after unfolding: "NAME;PARAM=VALUE;BARE:value".
struct Property {
    QByteArray name;           // upper case, without a group prefix
    QList<QByteArray> params;  // as written, upper-cased names
    QByteArray value;          // raw bytes
    int line = 0;              // 1-based line of the file where it starts

    // Every TYPE the property carries: TYPE=a,b, TYPE="a,b" and 2.1's bare
    // parameters, in upper case.
    QList<QByteArray> types() const {
        QList<QByteArray> out;
        for (const QByteArray& p : params) {
            const int eq = p.indexOf('=');
            if (eq < 0) {
                out.append(p.toUpper());
            } else if (p.left(eq).toUpper() == "TYPE") {
                QByteArray v = p.mid(eq + 1);
                v.replace('"', "");
                for (const QByteArray& t : v.split(',')) out.append(t.trimmed().toUpper());
            }
        }
        return out;
    }
    QByteArray param(const char* key) const {
        for (const QByteArray& p : params) {
            const int eq = p.indexOf('=');
            if (eq > 0 && p.left(eq).toUpper() == key) {
                QByteArray v = p.mid(eq + 1);
                if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
                    v = v.mid(1, v.size() - 2);
                return v;
            }
        }
        return QByteArray();
    }
    bool quotedPrintable() const {
        return types().contains("QUOTED-PRINTABLE") ||
               param("ENCODING").toUpper() == "QUOTED-PRINTABLE";
    }
};

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

QByteArray decodeQuotedPrintable(const QByteArray& in) {
    QByteArray out;
    out.reserve(in.size());
    for (int i = 0; i < in.size(); ++i) {
        if (in[i] == '=' && i + 2 < in.size() && hexValue(in[i + 1]) >= 0 &&
            hexValue(in[i + 2]) >= 0) {
            out.append(char(hexValue(in[i + 1]) * 16 + hexValue(in[i + 2])));
            i += 2;
        } else if (in[i] == '=' && i + 1 == in.size()) {
            // a soft line break left at the very end
        } else {
            out.append(in[i]);
        }
    }
    return out;
}

// Splits on `separator` where it is not escaped by a backslash, and undoes
// the escapes in each part.
QStringList splitValue(const QString& value, QChar separator) {
    QStringList parts;
    QString part;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value[++i];
            if (next == QLatin1Char('n') || next == QLatin1Char('N'))
                part.append(QLatin1Char('\n'));
            else
                part.append(next);
        } else if (c == separator) {
            parts.append(part);
            part.clear();
        } else {
            part.append(c);
        }
    }
    parts.append(part);
    return parts;
}

QString unescaped(const QString& value) { return splitValue(value, QChar()).join(QString()); }

// Decodes a value: by its CHARSET, else as the card it belongs to is
// written (cards of one file may come from different phones).
QString decodedValue(const Property& p, bool cardIsUtf8) {
    QByteArray raw = p.value;
    if (p.quotedPrintable()) raw = decodeQuotedPrintable(raw);
    const QByteArray charset = p.param("CHARSET").toUpper();
    if (charset.isEmpty()) return cardIsUtf8 ? QString::fromUtf8(raw) : platform::Sjis::decode(raw);
    if (charset == "UTF-8" || charset == "UTF8") return QString::fromUtf8(raw);
    if (charset == "SHIFT_JIS" || charset == "SJIS" || charset == "CP932" ||
        charset == "WINDOWS-31J" || charset == "X-SJIS" || charset == "SHIFT-JIS")
        return platform::Sjis::decode(raw);
    QStringDecoder decoder(charset.constData());
    if (decoder.isValid()) return decoder(raw);
    return QString::fromLatin1(raw);
}

// What one card holds, gathered property by property.
struct Card {
    QString family, given, fullName, phoneticLast, phoneticFirst, sortString, soundReading, sortAs;
    QStringList address;  // the chosen ADR's components
    int addressRank = 99;
    QString phone, mobile, fax, company, title, relation, joint;
    int phoneRank = 99;

    void take(const Property& p, const QString& value) {
        const QByteArray& n = p.name;
        if (n == "N") {
            const QStringList c = splitValue(value, QLatin1Char(';'));
            family = c.value(0).trimmed();
            given = c.value(1).trimmed();
            sortAs = splitValue(QString::fromUtf8(p.param("SORT-AS")), QLatin1Char(','))
                         .join(kIdeographicSpace);
        } else if (n == "FN") {
            fullName = unescaped(value).trimmed();
        } else if (n == "X-PHONETIC-LAST-NAME") {
            phoneticLast = unescaped(value).trimmed();
        } else if (n == "X-PHONETIC-FIRST-NAME") {
            phoneticFirst = unescaped(value).trimmed();
        } else if (n == "SORT-STRING") {
            sortString = unescaped(value).trimmed();
        } else if (n == "SOUND" && p.types().contains("X-IRMC-N")) {
            // Phones of the 2.1 era keep the reading of N here.
            QStringList c = splitValue(value, QLatin1Char(';')).mid(0, 2);
            c.removeAll(QString());
            soundReading = c.join(kIdeographicSpace);
        } else if (n == "ADR") {
            const QList<QByteArray> t = p.types();
            const int rank = t.contains("HOME") ? 0 : t.contains("WORK") ? 2 : 1;
            if (rank < addressRank) {
                addressRank = rank;
                address = splitValue(value, QLatin1Char(';'));
            }
        } else if (n == "TEL") {
            const QList<QByteArray> t = p.types();
            QString number = unescaped(value).trimmed();
            // 4.0 may write the number as a URI.
            if (p.param("VALUE").toLower() == "uri" &&
                number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
                number = number.mid(4);
            if (t.contains("FAX")) {
                if (fax.isEmpty()) fax = number;
            } else if (t.contains("CELL")) {
                if (mobile.isEmpty()) mobile = number;
            } else {
                const int rank = t.contains("HOME") ? 0 : t.contains("WORK") ? 2 : 1;
                if (rank < phoneRank) {
                    phoneRank = rank;
                    phone = number;
                }
            }
        } else if (n == "ORG") {
            QStringList c = splitValue(value, QLatin1Char(';'));
            for (QString& s : c) s = s.trimmed();
            c.removeAll(QString());
            company = c.join(kIdeographicSpace);
        } else if (n == "TITLE") {
            title = unescaped(value).trimmed();
        } else if (n == "CATEGORIES") {
            relation = splitValue(value, QLatin1Char(',')).value(0).trimmed();
        } else if (n == "X-PELCOR-JOINT-NAME") {
            joint = unescaped(value).trimmed();
        }
    }

    QStringList record() const {
        QStringList row(records::kColumnCount);
        auto join = [](const QString& a, const QString& b) {
            return a.isEmpty() ? b : b.isEmpty() ? a : a + kIdeographicSpace + b;
        };
        row[records::ColName] = join(family, given);
        if (row[records::ColName].isEmpty()) row[records::ColName] = fullName;
        QString reading = join(phoneticLast, phoneticFirst);
        for (const QString& other : {sortString, soundReading, sortAs})
            if (reading.isEmpty()) reading = other;
        row[records::ColKana] = toHiragana(reading);
        auto part = [this](int i) { return address.value(i).trimmed(); };
        row[records::ColPostal] = importedPostalCode(part(5));
        row[records::ColAddress1] = part(4) + part(3) + part(2);
        row[records::ColAddress2] = part(1);
        row[records::ColJointName] = joint;
        row[records::ColPhone] = phone;
        row[records::ColMobile] = mobile;
        row[records::ColFax] = fax;
        row[records::ColCompany] = company;
        row[records::ColTitle] = title;
        row[records::ColRelation] = relation;
        // One line each, and no blanks left at the ends by a broken line.
        for (int c = 0; c < records::kColumnCount; ++c)
            if (c != records::ColPostal) row[c] = singleLine(row[c]).trimmed();
        return row;
    }
};

// Parses "group.NAME;params:value" (the value's bytes as they are).
bool parseProperty(const QByteArray& line, Property& p) {
    int colon = -1;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon < 0) return false;
    const QList<QByteArray> head = line.left(colon).split(';');
    QByteArray name = head.first().trimmed().toUpper();
    if (const int dot = name.lastIndexOf('.'); dot >= 0) name = name.mid(dot + 1);
    p.name = name;
    p.params = head.mid(1);
    p.value = line.mid(colon + 1);
    return true;
}

bool isCardEnd(const QByteArray& line) { return line.trimmed().toUpper() == "END:VCARD"; }

// Logical lines of the file, one at a time: line ends may be CR LF, LF or
// CR alone; a line starting with a blank continues the one before (folding),
// and a quoted-printable value ending in '=' continues on the next line (a
// soft line break). Each physical line is looked at once, so a value folded
// over millions of lines takes linear time.
class LineReader {
  public:
    explicit LineReader(const QByteArray& bytes) : p_(bytes.constData()), end_(p_ + bytes.size()) {}

    // The next logical line that is not blank; false at the end.
    bool next(QByteArray& line, int& number) {
        do {
            if (!havePending_ && !readPhysical()) return false;
            havePending_ = false;
        } while (pending_.trimmed().isEmpty());
        line = pending_;
        number = pendingNumber_;
        qsizetype scanned = 0;  // how far the line was searched for its colon
        int colon = -1;
        while (readPhysical()) {
            // An empty line ends the value, whatever came before it.
            if (pending_.isEmpty()) break;
            if (line.endsWith('=') && !isCardEnd(pending_)) {
                if (colon < 0) {
                    colon = int(line.indexOf(':', scanned));
                    scanned = line.size();
                }
                if (colon > 0 && line.left(colon).toUpper().contains("QUOTED-PRINTABLE")) {
                    line.chop(1);
                    line.append(pending_);
                    continue;
                }
            }
            if (pending_[0] == ' ' || pending_[0] == '\t') {
                line.append(pending_.constData() + 1, pending_.size() - 1);
                continue;
            }
            havePending_ = true;
            break;
        }
        return true;
    }

  private:
    bool readPhysical() {
        if (p_ >= end_) return false;
        const char* q = p_;
        while (q < end_ && *q != '\n' && *q != '\r') ++q;
        pending_ = QByteArray(p_, qsizetype(q - p_));
        pendingNumber_ = ++physical_;
        if (q < end_ && *q == '\r' && q + 1 < end_ && q[1] == '\n') ++q;
        p_ = q < end_ ? q + 1 : end_;
        return true;
    }

    const char* p_;
    const char* end_;
    QByteArray pending_;
    int pendingNumber_ = 0;
    int physical_ = 0;
    bool havePending_ = false;
};

// True when the card's values without a CHARSET read as UTF-8: valid UTF-8,
// or UTF-8 but for a stray byte.
bool cardIsUtf8(const QVector<Property>& properties) {
    QByteArray raw;
    for (const Property& p : properties)
        if (p.param("CHARSET").isEmpty())
            raw += p.quotedPrintable() ? decodeQuotedPrintable(p.value) : p.value;
    return readsAsUtf8(raw);
}

}  // namespace

VCardReadResult parseVCards(const DecodedFile& file, int keepFrom, int keepTo) {
    VCardReadResult result;
    // UTF-16 files are read as UTF-8 bytes; any other file keeps its bytes,
    // and each card's values without a CHARSET are read as that card is
    // written.
    QByteArray bytes;
    const TextEncoding encoding = file.encoding();
    if (encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE)
        bytes = file.text().toUtf8();
    else
        bytes = file.bytes().mid(byteOrderMarkLength(file.bytes(), encoding));

    LineReader lines(bytes);
    QByteArray line;
    int number = 0, depth = 0, cardStart = 0;
    QVector<Property> properties;  // of the open card
    while (lines.next(line, number)) {
        Property prop;
        if (!parseProperty(line, prop)) continue;
        const QByteArray value = prop.value.trimmed().toUpper();
        if (prop.name == "BEGIN" && value == "VCARD") {
            if (depth++ == 0) {
                properties.clear();
                cardStart = number;
            }
        } else if (prop.name == "END" && value == "VCARD") {
            if (depth == 0) continue;  // a stray end
            if (--depth > 0) continue;
            Card card;
            const bool utf8 = cardIsUtf8(properties);
            for (const Property& p : properties) card.take(p, decodedValue(p, utf8));
            const QStringList row = card.record();
            bool any = false;
            for (const QString& cell : row) any = any || !cell.isEmpty();
            if (!any) continue;
            ++result.count;
            if (result.count >= keepFrom && (keepTo <= 0 || result.count <= keepTo))
                result.rows.append(row);
        } else if (depth == 1) {
            properties.append(std::move(prop));
        }
    }
    if (depth > 0) {
        result.rows.clear();
        result.count = 0;
        result.error = QStringLiteral(
                           "%1 行目から始まる連絡先に END:VCARD がありません。"
                           "ファイルが途中で切れている可能性があります。")
                           .arg(cardStart);
    } else if (result.count == 0) {
        result.error =
            QStringLiteral("vCard の連絡先（BEGIN:VCARD から END:VCARD まで）が見つかりません。");
    }
    return result;
}

}  // namespace book
