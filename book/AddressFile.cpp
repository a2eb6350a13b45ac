#include "book/AddressFile.h"

#include <cstring>

#include "book/CommaText.h"
#include "book/PostalCode.h"
#include "book/exchange/ImportSource.h"
#include "platform/files/BoundedRead.h"
#include "platform/text/Sjis.h"
#include "records/AddressRecord.h"

namespace book {

const char16_t kFileHeader[] =
    u"ふりがな,名　前,〒,住所１,住所２,連　名,,電話番号,携帯番号,FAX番号,会社名,役　職,関　係";

namespace {

// Where the record starting at `p` ends: `lineEnd` at the LF (or the end),
// `textEnd` at the first CR or LF outside quotes. A quoted field runs across
// line ends, as the writer quotes a field holding one.
struct RecordEnds {
    const char* textEnd;
    const char* lineEnd;
};

RecordEnds findRecordEnds(const char* p, const char* end) {
    RecordEnds ends{nullptr, end};
    bool fieldStart = true;  // as the comma-text splitter sees it
    while (p < end) {
        const char c = *p;
        if (c == '\n') {
            ends.lineEnd = p;
            break;
        }
        if (fieldStart && c == '"' && !ends.textEnd) {
            const char* open = p;
            for (++p; p < end; p += platform::Sjis::charLength(p, end)) {
                if (*p != '"') continue;
                if (p + 1 < end && p[1] == '"') {
                    ++p;  // a doubled quote stands for one
                    continue;
                }
                break;
            }
            if (p >= end) {
                // Never closed: a damaged line, which must not swallow the
                // records after it. It ends at its own line end.
                const auto* lf =
                    static_cast<const char*>(std::memchr(open, '\n', size_t(end - open)));
                ends.lineEnd = lf ? lf : end;
                const auto* cr =
                    static_cast<const char*>(std::memchr(open, '\r', size_t(ends.lineEnd - open)));
                ends.textEnd = cr ? cr : ends.lineEnd;
                return ends;
            }
            ++p;  // the closing quote
            fieldStart = false;
            continue;
        }
        if (c == '\r' && !ends.textEnd) ends.textEnd = p;
        fieldStart = c == ',' || (static_cast<unsigned char>(c) >= 0x01 &&
                                  static_cast<unsigned char>(c) <= 0x20);
        p += platform::Sjis::charLength(p, end);
    }
    if (!ends.textEnd) ends.textEnd = ends.lineEnd;
    return ends;
}

}  // namespace

AddressRows parseAddressFile(const QByteArray& bytes, bool* otherShape) {
    AddressRows rows;
    if (otherShape) *otherShape = false;
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    if (const void* eof = std::memchr(p, 0x1A, size_t(bytes.size())))
        end = static_cast<const char*>(eof);
    while (p < end) {
        const RecordEnds ends = findRecordEnds(p, end);
        const char* lf = ends.lineEnd < end ? ends.lineEnd : nullptr;
        const char* textEnd = ends.textEnd;

        const QList<QByteArray> fields = splitCommaText(p, textEnd);
        if (otherShape && fields.size() != records::kColumnCount && textEnd > p) *otherShape = true;
        QStringList row;
        row.reserve(records::kColumnCount);
        for (int c = 0; c < records::kColumnCount; ++c)
            row.append(c < fields.size() ? platform::Sjis::decode(fields[c]) : QString());
        row[records::ColKana] = row[0];  // the file's first field is the reading
        rows.append(row);
        p = lf ? lf + 1 : end;
    }
    return rows;
}

AddressReadResult readAddressFile(const QString& path) {
    AddressReadResult r;
    if (importKindOf(path) == ImportKind::VCard) {
        const ImportResult cards = importFile(path);
        r.rows = cards.rows;
        r.ok = cards.ok();
        r.foreign = true;
        r.error = cards.error;
        return r;
    }
    const platform::FileBytes file = platform::readRegularFile(path, kMaxAddressFileBytes);
    if (!file.ok()) {
        r.error = file.error;
        return r;
    }
    r.rows = parseAnyAddressFile(DecodedFile(file.bytes), &r.foreign, &r.error);
    r.ok = r.error.isEmpty();
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
        for (int c = 0; c < records::kColumnCount; ++c) {
            // File layout: the reading first, the seventh field empty.
            QString text = c == 0                  ? row.value(records::ColKana)
                           : c == records::ColKana ? QString()
                                                   : row.value(c);
            if (c == records::ColPostal) text = withHyphen(text);
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
