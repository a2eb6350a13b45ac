#include "platform/files/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>
#include <optional>

#include "platform/files/AtomicFile.h"
#include "platform/files/BoundedRead.h"
#include "platform/text/Sjis.h"

namespace platform {
namespace {

bool isSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

QByteArray trimmed(const QByteArray& bytes) {
    qsizetype a = 0, b = bytes.size();
    while (a < b && isSpaceOrTab(bytes[a])) ++a;
    while (b > a && isSpaceOrTab(bytes[b - 1])) --b;
    return bytes.mid(a, b - a);
}

// Position of `c` in `bytes` from `from`, skipping the second bytes of
// two-byte characters (which may equal '[' or ']'); -1 when absent.
qsizetype findSingleByte(const QByteArray& bytes, char c, qsizetype from = 0) {
    for (qsizetype i = from; i < bytes.size(); ++i) {
        if (bytes[i] == c) return i;
        if (Sjis::isLeadByte(uchar(bytes[i]))) ++i;
    }
    return -1;
}

// The longest prefix of at most `limit` bytes that ends on a character boundary.
QByteArray cutToCharacters(const QByteArray& bytes, int limit) {
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype next =
            i + (Sjis::isLeadByte(uchar(bytes[i])) && i + 1 < bytes.size() ? 2 : 1);
        if (next > limit) break;
        i = next;
    }
    return bytes.left(i);
}

QByteArray unquoted(const QByteArray& value) {
    QByteArray v = trimmed(value);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

std::optional<int> parseInteger(const QByteArray& text) {
    qsizetype i = 0;
    const bool negative = text.startsWith('-');
    if (negative) ++i;
    int base = 10;
    if (text.mid(i, 2) == "0x" || text.mid(i, 2) == "0X") {
        base = 16;
        i += 2;
    } else if (text.mid(i, 1) == "$") {
        base = 16;
        i += 1;
    }
    if (i >= text.size()) return std::nullopt;
    const qint64 limit =
        negative ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return std::nullopt;
    }
    return int(negative ? -magnitude : magnitude);
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QByteArray singleLine(QByteArray bytes) {
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    return bytes;
}

}  // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

ProfileFile::Line ProfileFile::parseLine(const QByteArray& raw) {
    Line line;
    line.raw = raw;
    const QByteArray t = trimmed(raw);
    if (t.startsWith('[')) {
        const qsizetype close = findSingleByte(t, ']', 1);
        line.kind = Line::Section;
        line.name = Sjis::decode(trimmed(t.mid(1, close < 0 ? -1 : close - 1)));
        return line;
    }
    if (t.startsWith(';')) return line;  // a comment
    const qsizetype eq = findSingleByte(raw, '=');
    if (eq < 0) return line;
    line.kind = Line::Entry;
    line.name = Sjis::decode(trimmed(raw.left(eq)));
    line.value = raw.mid(eq + 1);
    return line;
}

ProfileResult ProfileFile::load() {
    lines_.clear();
    loadFailure_.clear();
    if (!QFile::exists(path_)) return {};
    const FileBytes file = readRegularFile(path_, kMaxFileBytes);
    if (!file.ok()) {
        loadFailure_ = file.error;
        return {false, loadFailure_};
    }
    QList<QByteArray> rows = file.bytes.split('\n');
    if (!rows.isEmpty() && rows.back().isEmpty()) rows.removeLast();  // after the last line end
    lines_.reserve(size_t(rows.size()));
    for (QByteArray& row : rows) {
        if (row.endsWith('\r')) row.chop(1);
        lines_.push_back(parseLine(row));
    }
    return {};
}

int ProfileFile::findSection(const QString& section) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Line::Section && sameName(lines_[i].name, section)) return int(i);
    return -1;
}

int ProfileFile::findEntry(int sectionLine, const QString& key) const {
    for (size_t i = size_t(sectionLine) + 1; i < lines_.size() && lines_[i].kind != Line::Section;
         ++i)
        if (lines_[i].kind == Line::Entry && sameName(lines_[i].name, key)) return int(i);
    return -1;
}

const QByteArray* ProfileFile::rawValue(const QString& section, const QString& key) const {
    const int s = findSection(section);
    const int e = s < 0 ? -1 : findEntry(s, key);
    return e < 0 ? nullptr : &lines_[size_t(e)].value;
}

QString ProfileFile::readText(const QString& section, const QString& key,
                              const QString& fallback) const {
    const QByteArray* value = rawValue(section, key);
    if (!value) return fallback;
    return Sjis::decode(cutToCharacters(unquoted(*value), kMaxTextBytes));
}

int ProfileFile::readInt(const QString& section, const QString& key, int fallback) const {
    const QByteArray* value = rawValue(section, key);
    if (!value) return fallback;
    return parseInteger(unquoted(*value)).value_or(fallback);
}

void ProfileFile::writeText(const QString& section, const QString& key, const QString& value) {
    const QByteArray bytes = singleLine(Sjis::bytes(value));
    int s = findSection(section);
    if (s < 0) {
        if (!lines_.empty() && !trimmed(lines_.back().raw).isEmpty())
            lines_.push_back(parseLine(QByteArray()));
        lines_.push_back(parseLine('[' + Sjis::bytes(section) + ']'));
        s = int(lines_.size()) - 1;
    }
    const int e = findEntry(s, key);
    if (e >= 0) {
        // Keep the key as the file spells it; only the value changes.
        Line& line = lines_[size_t(e)];
        line.raw = line.raw.left(findSingleByte(line.raw, '=') + 1) + bytes;
        line.value = bytes;
        return;
    }
    size_t at = size_t(s) + 1;
    for (size_t i = at; i < lines_.size() && lines_[i].kind != Line::Section; ++i)
        if (lines_[i].kind == Line::Entry) at = i + 1;
    lines_.insert(lines_.begin() + qsizetype(at), parseLine(Sjis::bytes(key) + '=' + bytes));
}

void ProfileFile::writeInt(const QString& section, const QString& key, int value) {
    writeText(section, key, QString::number(value));
}

QByteArray ProfileFile::contents() const {
    QByteArray out;
    for (const Line& line : lines_) {
        out += line.raw;
        out += "\r\n";
    }
    return out;
}

ProfileResult ProfileFile::save() const {
    if (!loadFailure_.isEmpty()) return {false, loadFailure_};
    // A new account has no settings folder yet.
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const QString reason = writeFileAtomically(path_, contents());
    if (!reason.isEmpty()) return {false, reason};
    return {};
}

QString ProfileFile::cannotWriteMessage(const QString& path) {
    return QStringLiteral("%1 に書き込めません").arg(path);
}

}  // namespace platform
