#include "app/PdfExport.h"

#include <QFile>
#include <QFileInfo>

#include "app/SettingsInput.h"
#include "book/AddressFile.h"
#include "book/AddressRecord.h"
#include "book/BookModel.h"
#include "book/exchange/ImportSource.h"
#include "message/BodyFile.h"
#include "message/MessageSideOutput.h"
#include "message/RenderMessageSide.h"
#include "platform/PictureFiles.h"
#include "platform/pdf/ImageEmbedding.h"
#include "platform/pdf/PdfDocument.h"
#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"

namespace app {
namespace {

// The picture's file when it is a JPEG a PDF reader decodes to the very
// pixels we read (same size, so no orientation was applied), else nothing.
QByteArray jpegFileOf(const QString& path, const QImage& decoded) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    QByteArray bytes = file.readAll();
    const platform::pdf::JpegShape shape = platform::pdf::jpegShape(bytes);
    if (QSize(shape.width, shape.height) != decoded.size()) return QByteArray();
    return bytes;
}

platform::pdf::PdfDocumentInfo documentInfo(const QString& output) {
    return {QFileInfo(output).completeBaseName(), QStringLiteral("Pelcor")};
}

QString exportAddressSides(const PdfExportRequest& request) {
    // A .csv reads as opening it would; a .vcf as importing it would.
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
    if (!render::mediaKindFromIndex(in.mediaKind))
        return QStringLiteral("no kind of card is chosen: give --kind 0..5");
    in.target = request.marks ? render::OutputTarget::Screen : render::OutputTarget::Printer;

    const int last = request.lastRow > 0 ? std::min(request.lastRow, recordCount) : recordCount;
    const int first = std::max(1, request.firstRow);
    if (first > last) return QStringLiteral("the book has no records in the rows asked for");

    const auto card = [&](int page, platform::pdf::PdfPage& out) {
        const int row = first + page;
        for (int c = 0; c < book::kColumnCount; ++c) in.record[size_t(c)] = records.cell(c, row);
        // The card is the page: its corner at the page's corner.
        out.picture = render::DrawAddressSide(in);
        out.offset = QPointF();
        return QString();
    };
    const QString why = platform::pdf::writePdf(request.output, last - first + 1, card, documentInfo(request.output));
    return why.isEmpty() ? QString() : request.output + QStringLiteral(": ") + why;
}

QString exportMessageSide(const PdfExportRequest& request) {
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
        in.pictureJpeg = jpegFileOf(request.inputs[1], picture.image);
    }
    const message::MessageSidePage page = message::RenderMessageSide(in);
    const auto side = [&](int, platform::pdf::PdfPage& out) {
        out.picture = page.picture;
        out.offset = QPointF(page.printOffset);
        return QString();
    };
    const QString why = platform::pdf::writePdf(request.output, 1, side, documentInfo(request.output));
    return why.isEmpty() ? QString() : request.output + QStringLiteral(": ") + why;
}

}  // namespace

bool parsePdfExport(const QStringList& arguments, PdfExportRequest& request, QString& error) {
    const int at = int(arguments.indexOf(QStringLiteral("--export-pdf")));
    if (at < 0 || at + 1 >= arguments.size()) {
        error = QStringLiteral("--export-pdf needs an output file");
        return false;
    }
    const QString settings = request.settingsFile;
    request = PdfExportRequest();
    request.settingsFile = settings;
    request.output = arguments[at + 1];
    for (int i = at + 2; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--marks")) {
            request.marks = true;
        } else if (a == QLatin1String("--kind") && i + 1 < arguments.size()) {
            bool ok = false;
            request.kind = arguments[++i].toInt(&ok);
            if (!ok || request.kind < 0 || request.kind >= render::kMediaKindCount) {
                error = QStringLiteral("--kind takes 0 to 5");
                return false;
            }
        } else if (a == QLatin1String("--rows") && i + 1 < arguments.size()) {
            const QStringList ends = arguments[++i].split(QLatin1Char('-'));
            bool ok1 = false, ok2 = true;
            request.firstRow = ends.value(0).toInt(&ok1);
            request.lastRow = ends.size() > 1 && !ends[1].isEmpty() ? ends[1].toInt(&ok2) : 0;
            if (ends.size() == 1) request.lastRow = request.firstRow;
            if (!ok1 || !ok2 || request.firstRow < 1 || (request.lastRow && request.lastRow < request.firstRow)) {
                error = QStringLiteral("--rows takes A-B with 1 <= A <= B");
                return false;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option ") + a;
            return false;
        } else {
            request.inputs.append(a);
        }
    }
    if (request.inputs.isEmpty()) {
        error = QStringLiteral("--export-pdf needs a book (.csv) or a message text (.txt) to export");
        return false;
    }
    return true;
}

QString exportPdf(const PdfExportRequest& request) {
    const QString ext = QFileInfo(request.inputs.first()).suffix().toLower();
    if (ext == QLatin1String("csv") || ext == QLatin1String("vcf")) return exportAddressSides(request);
    if (ext == QLatin1String("txt")) return exportMessageSide(request);
    return request.inputs.first() + QStringLiteral(": not a book (.csv, .vcf) or a message text (.txt)");
}

}  // namespace app
