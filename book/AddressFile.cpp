#include "book/AddressFile.h"

#include <QFile>

#include <cstring>

#include "book/AddressRecord.h"
#include "book/CommaText.h"
#include "book/PostalCode.h"
#include "book/exchange/ImportSource.h"
#include "platform/Sjis.h"

namespace book {

const char16_t kFileHeader[] =
    u"ふりがな,名　前,〒,住所１,住所２,連　名,,電話番号,携帯番号,FAX番号,会社名,役　職,関　係";

AddressRows parseAddressFile(const QByteArray& bytes) {
    AddressRows rows;
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    if (const void* eof = std::memchr(p, 0x1A, size_t(bytes.size()))) end = static_cast<const char*>(eof);
    while (p < end) {
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        const char* lineEnd = lf ? lf : end;
        const char* textEnd = static_cast<const char*>(std::memchr(p, '\r', size_t(lineEnd - p)));
        if (!textEnd) textEnd = lineEnd;

        const QList<QByteArray> fields = splitCommaText(p, textEnd);
        QStringList row;
        row.reserve(kColumnCount);
        for (int c = 0; c < kColumnCount; ++c)
            row.append(c < fields.size() ? platform::Sjis::decode(fields[c]) : QString());
        row[ColKana] = row[0];  // the file's first field is the reading
        rows.append(row);
        p = lf ? lf + 1 : end;
    }
    return rows;
}

AddressReadResult readAddressFile(const QString& path) {
    AddressReadResult r;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.error = file.errorString();
        return r;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        r.error = file.errorString();
        return r;
    }
    r.rows = parseAnyAddressFile(bytes);
    r.ok = true;
    return r;
}

QByteArray buildAddressFile(const AddressRows& rows, QVector<UnmappableText>* unmappable) {
    QByteArray out;
    out.reserve(rows.size() * 120);
    QList<QByteArray> fields;
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList& row = rows[r];
        QString missing;
        fields.clear();
        for (int c = 0; c < kColumnCount; ++c) {
            // File layout: the reading first, the seventh field empty.
            QString text = c == 0 ? row.value(ColKana) : c == ColKana ? QString() : row.value(c);
            if (c == ColPostal) text = withHyphen(text);
            const platform::SjisEncoded e = platform::Sjis::encode(text);
            for (const QString& m : e.unmappable) missing += m;
            fields.append(e.bytes);
        }
        out.append(joinCommaText(fields));
        out.append("\r\n");
        if (unmappable && !missing.isEmpty()) unmappable->append({r + 1, missing});
    }
    return out;
}

}  // namespace book
