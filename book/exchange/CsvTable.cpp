#include "book/exchange/CsvTable.h"

#include <QHash>
#include <array>

namespace book {
namespace {

class CsvReader {
  public:
    CsvReader(const QString& text, QChar separator)
        : p_(text.constData()), end_(p_ + text.size()), sep_(separator) {}

    bool atEnd() const { return p_ >= end_; }
    // Where a quote opened that never closed, or null.
    const QChar* unclosedQuote() const { return unclosed_; }

    // One record; false at the end of the text.
    bool readRow(QStringList& row) {
        row.clear();
        while (!atEnd() && isLineEnd(*p_)) ++p_;  // empty lines
        if (atEnd()) return false;
        for (;;) {
            skipBlanks();
            row.append(readField());
            skipBlanks();
            if (atEnd()) return true;
            if (*p_ == sep_) {
                ++p_;
                continue;
            }
            // A line end (any other text was taken into the field).
            if (*p_ == QLatin1Char('\r')) ++p_;
            if (!atEnd() && *p_ == QLatin1Char('\n')) ++p_;
            return true;
        }
    }

  private:
    static bool isLineEnd(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }
    bool isBlank(QChar c) const {
        return (c == QLatin1Char(' ') || c == QLatin1Char('\t')) && c != sep_;
    }
    void skipBlanks() {
        while (!atEnd() && isBlank(*p_)) ++p_;
    }

    QString readField() {
        QString field;
        if (!atEnd() && *p_ == QLatin1Char('"')) {
            const QChar* opened = p_++;
            bool closed = false;
            while (!atEnd()) {
                const QChar* quote = p_;
                while (quote < end_ && *quote != QLatin1Char('"')) ++quote;
                field.append(p_, quote - p_);
                p_ = quote;
                if (atEnd()) break;
                if (p_ + 1 < end_ && p_[1] == QLatin1Char('"')) {
                    field.append(QLatin1Char('"'));
                    p_ += 2;
                    continue;
                }
                ++p_;
                closed = true;
                break;
            }
            if (!closed && !unclosed_) unclosed_ = opened;  // the field ran to the end
        }
        // Unquoted text, or stray text after a closing quote, up to the
        // separator or the line end; blanks at its end are not part of it.
        const QChar* start = p_;
        while (!atEnd() && *p_ != sep_ && !isLineEnd(*p_)) ++p_;
        const QChar* stop = p_;
        while (stop > start && isBlank(stop[-1])) --stop;
        field.append(start, stop - start);
        return field;
    }

    const QChar* p_;
    const QChar* end_;
    QChar sep_;
    const QChar* unclosed_ = nullptr;
};

// 1-based line of `at` in `text`: LF, CR LF and CR alone each end a line.
int lineOf(const QString& text, const QChar* at) {
    int line = 1;
    for (const QChar* p = text.constData(); p < at; ++p)
        if (*p == QLatin1Char('\n') ||
            (*p == QLatin1Char('\r') && (p + 1 >= at || p[1] != QLatin1Char('\n'))))
            ++line;
    return line;
}

bool needsQuotes(const QString& field, QChar separator) {
    if (field.isEmpty()) return false;
    if (field.front() == QLatin1Char(' ') || field.front() == QLatin1Char('\t') ||
        field.back() == QLatin1Char(' ') || field.back() == QLatin1Char('\t'))
        return true;
    for (const QChar c : field)
        if (c == separator || c == QLatin1Char('"') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r'))
            return true;
    return false;
}

}  // namespace

CsvTable parseCsv(const QString& text, QChar separator, int maxRows, int* unclosedQuoteLine) {
    if (unclosedQuoteLine) *unclosedQuoteLine = 0;
    CsvTable table;
    CsvReader reader(text, separator);
    QStringList row;
    while ((maxRows < 0 || table.size() < maxRows) && reader.readRow(row)) table.append(row);
    if (unclosedQuoteLine && reader.unclosedQuote())
        *unclosedQuoteLine = lineOf(text, reader.unclosedQuote());
    return table;
}

QChar guessSeparator(const QString& text) {
    // Counted outside quotes, line by line over the first lines. The
    // separator is the one that splits the first line and most of the
    // others into the same number of fields; text full of semicolons in one
    // record does not outvote a header of commas.
    const QChar candidates[] = {QLatin1Char(','), QLatin1Char('\t'), QLatin1Char(';')};
    QVector<std::array<int, 3>> lines(1, {0, 0, 0});
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"')) quoted = !quoted;
        if (quoted) continue;
        if (c == QLatin1Char('\n')) {
            if (lines.size() == 20) break;
            lines.append({0, 0, 0});
        }
        for (int k = 0; k < 3; ++k)
            if (c == candidates[k]) ++lines.last()[k];
    }
    int best = 0, bestScore = -1;
    for (int k = 0; k < 3; ++k) {
        const int first = lines[0][k];
        if (first == 0) continue;
        int score = 0;
        for (const auto& line : lines) score += line[k] == first;
        if (score > bestScore || (score == bestScore && first > lines[0][best])) {
            best = k;
            bestScore = score;
        }
    }
    return candidates[best];
}

QString joinCsvLine(const QStringList& fields, QChar separator) {
    QString line;
    for (int i = 0; i < fields.size(); ++i) {
        if (i) line.append(separator);
        const QString& f = fields[i];
        if (!needsQuotes(f, separator)) {
            line.append(f);
            continue;
        }
        line.append(QLatin1Char('"'));
        for (const QChar c : f) {
            if (c == QLatin1Char('"')) line.append(QLatin1Char('"'));
            line.append(c);
        }
        line.append(QLatin1Char('"'));
    }
    return line;
}

bool isRaggedTable(const CsvTable& table, int* firstRagged, int* usual) {
    QHash<int, int> counts;
    for (const QStringList& row : table) ++counts[int(row.size())];
    int common = 0, best = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > best || (it.value() == best && it.key() > common)) {
            best = it.value();
            common = it.key();
        }
    if (usual) *usual = common;
    // A missing or extra field or two is a hand-made file; more is a wrong
    // separator or not a table at all.
    const int slack = std::max(2, common / 4);
    auto ragged = [&](const QStringList& row) {
        return std::abs(int(row.size()) - common) > slack;
    };
    int raggedRows = 0, first = -1;
    for (int r = 0; r < table.size(); ++r)
        if (ragged(table[r]) && raggedRows++ == 0) first = r;
    if (raggedRows * 5 <= table.size()) return false;
    if (firstRagged) *firstRagged = first;
    return true;
}

}  // namespace book
