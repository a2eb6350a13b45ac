#include "book/RelationFilter.h"

#include "records/AddressRecord.h"

namespace book {

const char16_t kFilterAll[] = u"全部";

int filterByRelation(const platform::CellGrid& all, const QString& relation,
                     platform::CellGrid& filtered, QVector<int>* sourceRows) {
    if (sourceRows) sourceRows->clear();
    filtered.setRowCount(2);
    filtered.setRowCells(0, all.rowCells(0));
    filtered.setRowCells(1, QStringList());
    int k = 0;
    for (int r = 1; r < all.rowCount(); ++r) {
        if (all.cell(records::ColRelation, r) != relation) continue;
        ++k;
        if (k + 1 > filtered.rowCount()) filtered.setRowCount(k + 1);
        filtered.setRowCells(k, all.rowCells(r));
        if (sourceRows) sourceRows->append(r);
    }
    return k;
}

QString bookCaption(const QString& fileName, int allRows, const QString& filterText,
                    int shownRows) {
    return QStringLiteral("　Pelcor　　　『　") + fileName + QStringLiteral(" 』     ") +
           QString::number(allRows) + QStringLiteral("件中  ") + filterText + QLatin1Char(' ') +
           QString::number(shownRows) + QStringLiteral("件 を表示中");
}

}  // namespace book
