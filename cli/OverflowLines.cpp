#include "cli/OverflowLines.h"

#include <algorithm>

#include "book/BookModel.h"
#include "platform/seams/Dialogs.h"
#include "platform/table/CellTable.h"
#include "records/AddressRecord.h"
#include "render/OverflowReport.h"

namespace app {
namespace {

// Enough numbers to find the cards; a long list would make the box too tall.
constexpr int kNumbersShown = 30;

}  // namespace

std::vector<RecordOverflow> findRecordOverflows(render::AddressSideInput card,
                                                const platform::CellTable& grid, int first,
                                                int last) {
    std::vector<RecordOverflow> out;
    for (int row = std::max(first, 0); row <= last && row < grid.rowCount(); ++row) {
        card.record = book::recordAt(grid, row);
        QStringList messages = render::overflowMessages(card);
        if (messages.isEmpty()) continue;
        QString number = grid.cell(records::ColNumber, row).trimmed();
        if (number.isEmpty()) number = QString::number(row);
        out.push_back({row, number, grid.cell(records::ColName, row), std::move(messages)});
    }
    return out;
}

QStringList overflowLines(const std::vector<RecordOverflow>& overflows) {
    QStringList lines;
    if (overflows.empty()) return lines;
    lines << QStringLiteral("%1 枚の宛名がはみ出します。").arg(overflows.size());
    for (const RecordOverflow& r : overflows)
        lines << QStringLiteral("宛名 %1（%2）: %3")
                     .arg(r.number, r.name, r.messages.join(QString()));
    return lines;
}

QString printOverflowQuestion(const std::vector<RecordOverflow>& overflows) {
    QStringList numbers;
    for (const RecordOverflow& r : overflows) {
        if (numbers.size() == kNumbersShown) {
            numbers << QStringLiteral("ほか %1 枚").arg(overflows.size() - kNumbersShown);
            break;
        }
        numbers << r.number;
    }
    return QStringLiteral("%1 枚の宛名がはみ出します。印刷しますか？\n\n宛名の番号: %2")
        .arg(overflows.size())
        .arg(numbers.join(QStringLiteral("、")));
}

bool printDespiteOverflows(platform::Dialogs& dialogs, QWidget* parent,
                           const render::AddressSideInput& card, const platform::CellTable& records,
                           int first, int last) {
    const std::vector<RecordOverflow> overflows = findRecordOverflows(card, records, first, last);
    return overflows.empty() ||
           dialogs.question(parent, printOverflowQuestion(overflows)) == platform::Answer::Yes;
}

}  // namespace app
