#include "cli/CardJobArguments.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "render/MediaKind.h"

namespace app {
namespace {

QString kindError() {
    return QStringLiteral(
               "--kind には 0 から %1 の数を続けてください"
               "（0 年賀ハガキ、1 普通ハガキ、2 長３、3 長４、4 洋１、5 洋２封筒）。")
        .arg(render::kMediaKindCount - 1);
}

QString rowsError() {
    return QStringLiteral(
        "--rows には行の範囲を A-B（1 ≦ A ≦ B）、A-（最後まで）または A の形で続けてください。");
}

// "A", "A-" (to the end) or "A-B", digits only.
bool readRows(const QString& text, CardJob& job) {
    static const QRegularExpression range(QStringLiteral("^([0-9]{1,9})(-([0-9]{0,9}))?$"));
    const QRegularExpressionMatch m = range.match(text);
    if (!m.hasMatch()) return false;
    job.firstRow = m.captured(1).toInt();
    job.lastRow = !m.hasCaptured(2) ? job.firstRow : m.captured(3).toInt();
    return job.firstRow >= 1 && (job.lastRow == 0 || job.lastRow >= job.firstRow);
}

}  // namespace

bool cardSideOf(const QString& path, CardSide& side) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("csv") || ext == QLatin1String("vcf") ||
        ext == QLatin1String("vcard")) {
        side = CardSide::Address;
        return true;
    }
    if (ext == QLatin1String("txt")) {
        side = CardSide::Message;
        return true;
    }
    return false;
}

QString parseCardJob(const QStringList& arguments, CardJob& job) {
    job = CardJob();
    QStringList addressOptions;  // as given, to refuse them on a message side
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == QLatin1String("--marks")) {
            job.marks = true;
            addressOptions << a;
        } else if (a == QLatin1String("--back")) {
            job.envelopeBack = true;
            addressOptions << a;
        } else if (a == QLatin1String("--kind")) {
            bool ok = false;
            job.kind = hasValue ? arguments[++i].toInt(&ok) : -1;
            if (!ok || job.kind < 0 || job.kind >= render::kMediaKindCount) return kindError();
            addressOptions << a;
        } else if (a == QLatin1String("--rows")) {
            if (!hasValue || !readRows(arguments[++i], job)) return rowsError();
            addressOptions << a;
        } else if (a.startsWith(QLatin1String("--"))) {
            return QStringLiteral("知らないオプションです: ") + a;
        } else {
            job.inputs.append(a);
        }
    }
    if (job.inputs.isEmpty())
        return QStringLiteral(
            "宛名データ（.csv, .vcf）か文面（.txt）のファイルを指定してください。");
    if (!cardSideOf(job.inputs.first(), job.side))
        return job.inputs.first() +
               QStringLiteral(": 宛名データ（.csv, .vcf）でも文面（.txt）でもありません。");
    if (job.side == CardSide::Address && job.inputs.size() > 1)
        return job.inputs[1] +
               QStringLiteral(": 宛名データは一度に一つだけです。ほかのファイルは指定できません。");
    if (job.side == CardSide::Message) {
        if (job.inputs.size() > 2)
            return job.inputs[2] + QStringLiteral(": 文面に載せる画像は一つだけです。");
        if (!addressOptions.isEmpty())
            return addressOptions.first() +
                   QStringLiteral(" は宛名面のためのオプションで、文面（.txt）には使えません。");
    }
    return QString();
}

}  // namespace app
