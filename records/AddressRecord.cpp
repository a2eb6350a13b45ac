#include "records/AddressRecord.h"

namespace records {

const char16_t kGridHeader[] =
    u"No.,名　前,〒,住所１,住所２,連　名,ふりがな,電話番号,携帯番号,FAX番号,会社名,役　職,関　係";

QStringList gridHeaderCells() {
    // The header has no quotes and no single-byte blanks, so splitting at the
    // commas reads it exactly as comma text would.
    return QString::fromUtf16(kGridHeader).split(QLatin1Char(','));
}

}  // namespace records
