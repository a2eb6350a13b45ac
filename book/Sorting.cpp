#include "book/Sorting.h"

#include <cstring>

#include "book/RowOperations.h"
#include "platform/text/Sjis.h"
#include "records/AddressRecord.h"

namespace book {
namespace {

int compareBytes(const QByteArray& a, const QByteArray& b) {
    const int n = std::min(a.size(), b.size());
    const int c = n ? std::memcmp(a.constData(), b.constData(), size_t(n)) : 0;
    if (c != 0) return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

struct Sorter {
    const QVector<QByteArray>& keys;
    QVector<int>& order;
    int sign;  // +1 forward, -1 backward

    int compare(int i, const QByteArray& pivot) const {
        return sign * compareBytes(keys[order[i]], pivot);
    }

    void sort(int l, int r) {
        int i;
        do {
            i = l;
            int j = r;
            const QByteArray pivot = keys[order[(l + r) / 2]];
            do {
                while (compare(i, pivot) < 0) ++i;
                while (compare(j, pivot) > 0) --j;
                if (i <= j) {
                    std::swap(order[i], order[j]);
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (l < j) sort(l, j);
            l = i;
        } while (i < r);
    }
};

}  // namespace

QVector<int> quickSortOrder(const QVector<QByteArray>& keys, SortOrder order) {
    QVector<int> result(keys.size());
    for (int i = 0; i < keys.size(); ++i) result[i] = i;
    if (keys.size() > 1) {
        Sorter s{keys, result, order == SortOrder::Forward ? 1 : -1};
        s.sort(0, int(keys.size()) - 1);
    }
    return result;
}

void sortByReading(platform::CellGrid& grid, SortOrder order) {
    const int n = grid.rowCount() - 1;
    QVector<QStringList> rows(n);
    QVector<QByteArray> keys(n);
    for (int i = 0; i < n; ++i) {
        rows[i] = grid.rowCells(i + 1);
        keys[i] = platform::Sjis::bytes(rows[i].value(records::ColKana));
    }
    const QVector<int> sorted = quickSortOrder(keys, order);
    for (int i = 0; i < n; ++i) grid.setRowCells(i + 1, rows[sorted[i]]);
    renumberRows(grid);
}

}  // namespace book
