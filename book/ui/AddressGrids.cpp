#include "book/ui/AddressGrids.h"

#include "book/RowOperations.h"
#include "platform/page/WindowFonts.h"
#include "platform/ui/Hint.h"
#include "platform/ui/StringGrid.h"
#include "records/AddressRecord.h"

namespace book {

const int kColumnWidths[13] = {24, 100, 60, 190, 190, 100, 120, 120, 120, 120, 100, 100, 60};

void layoutAddressGrid(platform::StringGrid& grid, GridRole role) {
    const bool all = role == GridRole::All;
    grid.setObjectName(all ? QStringLiteral("StringGrid1") : QStringLiteral("StringGrid2"));
    grid.setGeometry(270, 32, 390, 161);
    grid.setDefaultRowHeight(20);
    for (int c = 0; c < records::kColumnCount; ++c) grid.setColWidth(c, kColumnWidths[c]);
    grid.setFont(platform::windowFont(
        all ? QStringLiteral("ＭＳ ゴシック") : QStringLiteral("ＭＳ Ｐゴシック"), 12));
    grid.setSelectedColour(all ? QColor(0, 255, 0) : QColor(0, 255, 255));
    grid.setRowCells(0, records::gridHeaderCells());
    platform::applyHint(
        &grid,
        all ? QStringLiteral("宛名データ|クリックされたデータをプレビュー表示します。")
            : QStringLiteral("抽出データ|関係で注出されたデータを表示します"),
        /*showToolTip=*/false);
}

}  // namespace book
