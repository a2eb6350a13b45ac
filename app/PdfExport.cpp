#include "app/PdfExport.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>
#include <future>
#include <optional>

#include "app/ExportCharacters.h"
#include "app/OverflowLines.h"
#include "app/SettingsInput.h"
#include "book/AddressFile.h"
#include "book/AddressRecord.h"
#include "book/BarcodeAddress.h"
#include "book/BookModel.h"
#include "book/PostalDictionaryFile.h"
#include "book/exchange/ImportSource.h"
#include "message/BodyFile.h"
#include "message/MessageFit.h"
#include "message/MessageSideOutput.h"
#include "message/RenderMessageSide.h"
#include "platform/BoundedRead.h"
#include "platform/ExifOrientation.h"
#include "platform/FileArguments.h"
#include "platform/PictureFiles.h"
#include "platform/pdf/ImageEmbedding.h"
#include "platform/pdf/PageContent.h"
#include "platform/pdf/PdfDocument.h"
#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"

namespace app {
namespace {

// The picture's file when it is a JPEG a PDF reader decodes to the very
// pixels we read (same size, and not turned by its EXIF orientation, which
// PDF readers ignore), else nothing.
QByteArray jpegFileOf(const QString& path, const QImage& decoded) {
    const QByteArray bytes = platform::readRegularFile(path, platform::kMaxPictureFileBytes).bytes;
    const platform::pdf::JpegShape shape = platform::pdf::jpegShape(bytes);
    if (QSize(shape.width, shape.height) != decoded.size()) return QByteArray();
    if (platform::jpegExifOrientation(bytes) != 1) return QByteArray();
    return bytes;
}

platform::pdf::PdfDocumentInfo documentInfo(const QString& output) {
    return {QFileInfo(output).completeBaseName(), QStringLiteral("Pelcor")};
}

QString exportAddressSides(const PdfExportRequest& request, QStringList* overflows) {
    // The faces are opened while the book is read; the future waits for
    // them whichever way this returns.
    const std::future<void> faces = std::async(std::launch::async, platform::pdf::preloadFaces);
    // A .csv reads as opening it would; a .vcf as importing it would.
    const book::ImportResult read = book::importFile(request.inputs.first());
    if (!read.ok()) return read.error;
    // The book as the program holds it once opened: numbered, postal codes
    // without their hyphen.
    book::BookModel records;
    records.load(read.rows);
    records.removeHyphens();
    if (const QString why = japaneseFontProblem(); !why.isEmpty()) return why;
    const int recordCount = int(read.rows.size());
    render::AddressSideInput in = addressSideInputFromSettings(request.settingsFile);
    if (request.kind >= 0) in.mediaKind = request.kind;
    const std::optional<render::MediaKind> kind = render::mediaKindFromIndex(in.mediaKind);
    if (!kind) return QStringLiteral("no kind of card is chosen: give --kind 0..5");
    if (request.envelopeBack && !render::mediaKindInfo(*kind).isEnvelope())
        return QStringLiteral(
            "--back is for envelopes (--kind 2 to 5): a postcard has one address side");
    in.envelopeBack = request.envelopeBack;
    in.target = request.marks ? render::OutputTarget::Screen : render::OutputTarget::Printer;

    const int last = request.lastRow > 0 ? std::min(request.lastRow, recordCount) : recordCount;
    const int first = std::max(1, request.firstRow);
    if (first > last) return QStringLiteral("the book has no records in the rows asked for");

    UnprintableCharacters unprintable;
    // The customer barcode needs the dictionary; without it none is printed.
    book::PostalDictionaryFile dictionary(book::PostalDictionaryFile::defaultPath());
    if (in.barcode.print && !in.envelopeBack && !dictionary.get()) return dictionary.takeFailure();
    const auto card = [&](int page, platform::pdf::PdfPage& out) {
        const int row = first + page;
        for (int c = 0; c < book::kColumnCount; ++c) in.record[size_t(c)] = records.cell(c, row);
        book::attachRecordBarcode(in, dictionary);
        // The card is the page: its corner at the page's corner.
        out.picture = render::DrawAddressSide(in);
        unprintable.check(row, in, out.picture);
        out.offset = QPointF();
        return QString();
    };
    const QString why = platform::pdf::writePdf(request.output, last - first + 1, card,
                                                documentInfo(request.output));
    if (!why.isEmpty()) return request.output + QStringLiteral(": ") + why;
    for (const QString& line : unprintable.lines())
        std::fprintf(stderr, "mirel36: %s\n", qPrintable(line));
    if (overflows) *overflows = overflowLines(findRecordOverflows(in, records, first, last));
    return QString();
}

QString exportMessageSide(const PdfExportRequest& request) {
    if (const QString why = japaneseFontProblem(); !why.isEmpty()) return why;
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
    // Lines the card cannot hold are said, not lost silently; the page is written.
    if (const QString fit = message::messageFitWarning(message::checkMessageFit(in));
        !fit.isEmpty())
        std::fprintf(stderr, "mirel36: %s\n", qPrintable(fit));
    const message::MessageSidePage page = message::RenderMessageSide(in);
    const auto side = [&](int, platform::pdf::PdfPage& out) {
        out.picture = page.picture;
        // The offset is in printer pixels of 1/360 inch; the page in 0.1 mm.
        out.offset = QPointF(page.printOffset) * (254.0 / 360.0);
        return QString();
    };
    const QString why =
        platform::pdf::writePdf(request.output, 1, side, documentInfo(request.output));
    return why.isEmpty() ? QString() : request.output + QStringLiteral(": ") + why;
}

// The output replaces whatever it names: never one of the inputs (a
// forgotten OUT would turn the book into a PDF), never a device or FIFO.
QString outputProblem(const PdfExportRequest& request) {
    struct stat out {};
    if (::stat(platform::nativeFileName(request.output).constData(), &out) != 0)
        return QString();  // a new file
    if (!S_ISREG(out.st_mode))
        return request.output + QStringLiteral(": exists and is not a regular file; not replaced");
    for (const QString& input : request.inputs) {
        struct stat in {};
        if (::stat(platform::nativeFileName(input).constData(), &in) == 0 &&
            in.st_dev == out.st_dev && in.st_ino == out.st_ino)
            return request.output + QStringLiteral(": is the input ") + input +
                   QStringLiteral("; give the PDF file first: --export-pdf OUT.pdf INPUT");
    }
    // An earlier PDF is replaced; anything else was most likely meant as an input.
    QFile existing(request.output);
    if (out.st_size > 0 &&
        (!existing.open(QIODevice::ReadOnly) || !existing.read(5).startsWith("%PDF-")))
        return request.output + QStringLiteral(": exists and is not a PDF file; not replaced");
    return QString();
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
        } else if (a == QLatin1String("--back")) {
            request.envelopeBack = true;
        } else if (a == QLatin1String("--kind") && i + 1 < arguments.size()) {
            bool ok = false;
            request.kind = arguments[++i].toInt(&ok);
            if (!ok || request.kind < 0 || request.kind >= render::kMediaKindCount) {
                error = QStringLiteral("--kind takes 0 to 5");
                return false;
            }
        } else if (a == QLatin1String("--rows") && i + 1 < arguments.size()) {
            // "A", "A-" (to the end) or "A-B", digits only.
            static const QRegularExpression range(QStringLiteral("^([0-9]{1,9})(-([0-9]{0,9}))?$"));
            const QRegularExpressionMatch m = range.match(arguments[++i]);
            request.firstRow = m.captured(1).toInt();
            request.lastRow = !m.hasCaptured(2) ? request.firstRow : m.captured(3).toInt();
            if (!m.hasMatch() || request.firstRow < 1 ||
                (request.lastRow && request.lastRow < request.firstRow)) {
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
        error =
            QStringLiteral("--export-pdf needs a book (.csv) or a message text (.txt) to export");
        return false;
    }
    return true;
}

QString exportPdf(const PdfExportRequest& request, QStringList* overflows) {
    if (const QString why = outputProblem(request); !why.isEmpty()) return why;
    const QString ext = QFileInfo(request.inputs.first()).suffix().toLower();
    if (ext == QLatin1String("csv") || ext == QLatin1String("vcf"))
        return exportAddressSides(request, overflows);
    if (ext == QLatin1String("txt")) return exportMessageSide(request);
    return request.inputs.first() +
           QStringLiteral(": not a book (.csv, .vcf) or a message text (.txt)");
}

}  // namespace app
