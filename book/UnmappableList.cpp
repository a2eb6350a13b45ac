#include "book/UnmappableList.h"

#include <QStringList>

#include "records/AddressRecord.h"

namespace book {

QString describeUnmappable(const QVector<UnmappableText>& found, const AddressRows& rows) {
    QStringList lines;
    for (const UnmappableText& u : found.mid(0, 10)) {
        const QString name = rows.value(u.row - 1).value(records::ColName);
        lines << QStringLiteral("  %1 行目（%2）: %3").arg(u.row).arg(name, u.text);
    }
    if (found.size() > 10) lines << QStringLiteral("  ほか %1 件").arg(found.size() - 10);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace book
