#include "app/CardPrinting.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <optional>

#include "app/SettingsInput.h"
#include "book/AddressRecord.h"
#include "book/BookModel.h"
#include "book/exchange/ImportSource.h"
#include "message/BodyFile.h"
#include "message/MessageSideOutput.h"
#include "message/RenderMessageSide.h"
#include "platform/PictureFiles.h"
#include "platform/PrintTarget.h"
#include "print/CardPaper.h"
#include "print/PrintJob.h"
#include "render/AddressSideOutput.h"
#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"

namespace app {
namespace {

QString jobTitle(const QString& input) {
    const QString name = QFileInfo(input).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Pelcor") : name;
}

QString printAddressSides(platform::PrintTarget& target, const PrintRequest& request) {
    const book::ImportResult read = book::importFile(request.inputs.first());
    if (!read.ok()) return read.error;
    // The book as the program holds it once opened: numbered, postal codes
    // without their hyphen.
    book::BookModel records;
    records.load(read.rows);
    records.removeHyphens();
    const int recordCount = int(read.rows.size());
    render::AddressSideInput in = addressSideInputFromSettings(request.settingsFile);
    if (request.kind >= 0) in.mediaKind = request.kind;
    const std::optional<render::MediaKind> kind = render::mediaKindFromIndex(in.mediaKind);
    if (!kind)
        return QStringLiteral("印刷する用紙の種類が決まっていません。--kind 0～5 で選んでください");
    if (request.envelopeBack && !render::mediaKindInfo(*kind).isEnvelope())
        return QStringLiteral("--back は封筒（--kind 2～5）の裏面です。ハガキの宛名面は一つです");
    in.envelopeBack = request.envelopeBack;
    in.target = request.marks ? render::OutputTarget::Screen : render::OutputTarget::Printer;

    const int last = request.lastRow > 0 ? std::min(request.lastRow, recordCount) : recordCount;
    const int first = std::max(1, request.firstRow);
    if (first > last) return QStringLiteral("指定された行に宛名がありません");

    if (!target.selectPrinter(request.printer)) return target.errorString();
    print::preparePaper(target, request.settingsFile, in.mediaKind);
    return print::runPrintJob(target, jobTitle(request.inputs.first()), last - first + 1,
                              [&](QPainter& painter, int page) {
                                  const int row = first + page;
                                  for (int c = 0; c < book::kColumnCount; ++c)
                                      in.record[size_t(c)] = records.cell(c, row);
                                  render::printAddressSide(painter, render::DrawAddressSide(in));
                              });
}

QString printMessageSide(platform::PrintTarget& target, const PrintRequest& request) {
    message::MessageSideInput in = messageSideInputFromSettings(request.settingsFile);
    in.target = render::ReferenceDevice::Printer;
    const message::BodyReadResult body = message::readBodyFile(request.inputs.first());
    if (!body.ok) return request.inputs.first() + QStringLiteral(": ") + body.error;
    if (!body.text.isEmpty()) in.lines = body.text.split(QLatin1Char('\n'));
    if (request.inputs.size() > 1) {
        const platform::DecodedPicture picture = platform::readPicture(request.inputs[1]);
        if (!picture.ok()) return picture.error;
        in.picture = picture.image;
        in.showPicture = true;
    }
    const message::MessageSidePage page = message::RenderMessageSide(in);
    if (!target.selectPrinter(request.printer)) return target.errorString();
    print::preparePaper(target, request.settingsFile, int(render::MediaKind::PlainPostcard));
    return print::runPrintJob(
        target, jobTitle(request.inputs.first()), 1,
        [&](QPainter& painter, int) { message::printMessageSide(painter, page); });
}

bool isBook(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    return ext == QLatin1String("csv") || ext == QLatin1String("vcf");
}

}  // namespace

bool parsePrintRequest(const QStringList& arguments, PrintRequest& request, QString& error) {
    const int at = int(arguments.indexOf(QStringLiteral("--print")));
    const QString settings = request.settingsFile;
    request = PrintRequest();
    request.settingsFile = settings;
    bool cardOptions = false;  // options only the address side honours
    for (int i = at + 1; at >= 0 && i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == QLatin1String("--marks")) {
            request.marks = cardOptions = true;
        } else if (a == QLatin1String("--back")) {
            request.envelopeBack = cardOptions = true;
        } else if (a == QLatin1String("--printer")) {
            if (!hasValue || arguments[i + 1].isEmpty()) {
                error = QStringLiteral("--printer にはプリンタ名が必要です");
                return false;
            }
            request.printer = arguments[++i];
        } else if (a == QLatin1String("--kind")) {
            bool ok = false;
            request.kind = hasValue ? arguments[++i].toInt(&ok) : -1;
            if (!ok || request.kind < 0 || request.kind >= render::kMediaKindCount) {
                error = QStringLiteral("--kind には 0～5 を指定してください");
                return false;
            }
            cardOptions = true;
        } else if (a == QLatin1String("--rows")) {
            // "A", "A-" (to the end) or "A-B", digits only.
            static const QRegularExpression range(QStringLiteral("^([0-9]{1,9})(-([0-9]{0,9}))?$"));
            const QRegularExpressionMatch m = range.match(hasValue ? arguments[++i] : QString());
            request.firstRow = m.captured(1).toInt();
            request.lastRow = !m.hasCaptured(2) ? request.firstRow : m.captured(3).toInt();
            if (!m.hasMatch() || request.firstRow < 1 ||
                (request.lastRow && request.lastRow < request.firstRow)) {
                error = QStringLiteral("--rows には 1 以上の A-B（A ≦ B）を指定してください");
                return false;
            }
            cardOptions = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("知らないオプションです: ") + a;
            return false;
        } else {
            request.inputs.append(a);
        }
    }
    if (request.inputs.isEmpty()) {
        error = QStringLiteral("--print には住所録（.csv, .vcf）か本文（.txt）が必要です");
        return false;
    }
    const QString ext = QFileInfo(request.inputs.first()).suffix().toLower();
    if (!isBook(request.inputs.first()) && ext != QLatin1String("txt")) {
        error = request.inputs.first() +
                QStringLiteral(": 住所録（.csv, .vcf）でも本文（.txt）でもありません");
        return false;
    }
    if (isBook(request.inputs.first()) && request.inputs.size() > 1) {
        error = QStringLiteral("住所録は一度に一つだけ印刷できます");
        return false;
    }
    if (ext == QLatin1String("txt") && (cardOptions || request.inputs.size() > 2)) {
        error = QStringLiteral("本文の印刷に使えるのは、絵のファイル一つと --printer だけです");
        return false;
    }
    return true;
}

QString printCards(platform::PrintTarget& target, const PrintRequest& request) {
    if (isBook(request.inputs.first())) return printAddressSides(target, request);
    return printMessageSide(target, request);
}

}  // namespace app
