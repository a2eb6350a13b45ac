#pragma once
// One address record is one grid row of 13 text cells.

#include <QString>
#include <QStringList>
#include <array>

namespace records {

enum Column : int {
    ColNumber = 0,     // "No.": shown only, never stored in the file
    ColName = 1,       // 名前
    ColPostal = 2,     // 〒
    ColAddress1 = 3,   // 住所１
    ColAddress2 = 4,   // 住所２
    ColJointName = 5,  // 連名
    ColKana = 6,       // ふりがな: the sort key
    ColPhone = 7,
    ColMobile = 8,
    ColFax = 9,
    ColCompany = 10,
    ColTitle = 11,
    ColRelation = 12,
};

constexpr int kColumnCount = 13;

// One record, its cells by column: what the renderers draw from.
using AddressRecord = std::array<QString, kColumnCount>;

// The grid's header row as one comma-separated text.
extern const char16_t kGridHeader[];

// The header row's 13 cells.
QStringList gridHeaderCells();

}  // namespace records
