#pragma once
// Which records of a book would print with a field off the card or over
// another: the lines the command line writes to standard error and the
// question asked before printing. No widgets.

#include <QString>
#include <QStringList>
#include <vector>

#include "render/AddressSideInput.h"

class QWidget;

namespace platform {
class CellTable;
class Dialogs;
}  // namespace platform

namespace app {

struct RecordOverflow {
    int row = 0;           // grid row
    QString number;        // the record's "No.", or the row when it has none
    QString name;          // 名前, for the lines
    QStringList messages;  // one sentence per problem
};

// The rows first..last of `records`, each drawn as `card` (kind, face,
// sender, layout) would draw it; only the records with a problem.
std::vector<RecordOverflow> findRecordOverflows(render::AddressSideInput card,
                                                const platform::CellTable& records, int first,
                                                int last);

// "宛名 3（山田　太郎）: 住所１がはがきの下端からはみ出します。", one a record,
// after a first line with their count; none when every card fits.
QStringList overflowLines(const std::vector<RecordOverflow>& overflows);

// "3 枚の宛名がはみ出します。印刷しますか？" and the record numbers.
QString printOverflowQuestion(const std::vector<RecordOverflow>& overflows);

// Asks that question once when any of the rows would run off; true when
// printing goes ahead (nothing runs off, or the user said yes).
bool printDespiteOverflows(platform::Dialogs& dialogs, QWidget* parent,
                           const render::AddressSideInput& card, const platform::CellTable& records,
                           int first, int last);

}  // namespace app
