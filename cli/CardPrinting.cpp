#include "cli/CardPrinting.h"

#include <QFileInfo>
#include <cstdio>
#include <optional>

#include "cli/AddressCardJob.h"
#include "cli/MessageCardJob.h"
#include "message/MessageSideOutput.h"
#include "message/RenderMessageSide.h"
#include "platform/seams/PrintTarget.h"
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
    AddressCardJob job;
    if (const QString why = job.prepare(request, request.settingsFile); !why.isEmpty()) return why;
    for (const QString& note : job.readNotes())
        std::fprintf(stderr, "mirel36: 注意: %s\n", qPrintable(note));
    if (!target.selectPrinter(request.printer)) return target.errorString();
    print::preparePaper(target, request.settingsFile, job.mediaKind());
    const QString error = print::runPrintJob(
        target, jobTitle(request.inputs.first()), job.cardCount(),
        [&](QPainter& painter, int page) {
            render::printAddressSide(painter, render::DrawAddressSide(job.card(page)));
        });
    if (!error.isEmpty()) return error;
    for (const QString& line : job.barcodeLines())
        std::fprintf(stderr, "mirel36: 注意: %s\n", qPrintable(line));
    // Cards that run off are printed all the same; the user learns which.
    for (const QString& line : job.overflowLines())
        std::fprintf(stderr, "mirel36: 注意: %s\n", qPrintable(line));
    return QString();
}

QString printMessageSide(platform::PrintTarget& target, const PrintRequest& request) {
    message::MessageSideInput in;
    if (const QString why = readMessageCard(request, request.settingsFile, in); !why.isEmpty())
        return why;
    const message::MessageSidePage page = message::RenderMessageSide(in);
    if (!target.selectPrinter(request.printer)) return target.errorString();
    print::preparePaper(target, request.settingsFile, int(render::MediaKind::PlainPostcard));
    return print::runPrintJob(
        target, jobTitle(request.inputs.first()), 1,
        [&](QPainter& painter, int) { message::printMessageSide(painter, page); });
}

}  // namespace

bool parsePrintRequest(const QStringList& arguments, PrintRequest& request, QString& error) {
    const int at = int(arguments.indexOf(QStringLiteral("--print")));
    QStringList rest = at >= 0 ? arguments.mid(at + 1) : QStringList();
    // --printer is printing's own; everything else is read as the export reads it.
    QString printer;
    for (int i = 0; i < rest.size(); ++i) {
        if (rest[i] != QLatin1String("--printer")) continue;
        if (i + 1 >= rest.size() || rest[i + 1].isEmpty()) {
            error = QStringLiteral("--printer にはプリンタ名が必要です");
            return false;
        }
        printer = rest[i + 1];
        rest.remove(i, 2);
        --i;
    }
    const QString settings = request.settingsFile;
    request = PrintRequest();
    request.settingsFile = settings;
    request.printer = printer;
    error = parseCardJob(rest, request);
    return error.isEmpty();
}

QString printCards(platform::PrintTarget& target, const PrintRequest& request) {
    if (request.side == CardSide::Address) return printAddressSides(target, request);
    return printMessageSide(target, request);
}

}  // namespace app
