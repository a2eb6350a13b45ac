#include "cli/PdfExport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <cstdio>
#include <cstring>
#include <future>

#include "book/AddressFile.h"
#include "cli/AddressCardJob.h"
#include "cli/ExportCharacters.h"
#include "cli/MessageCardJob.h"
#include "message/MessageSideOutput.h"
#include "message/RenderMessageSide.h"
#include "platform/files/BoundedRead.h"
#include "platform/files/FileArguments.h"
#include "platform/pdf/ImageEmbedding.h"
#include "platform/pdf/PageContent.h"
#include "platform/pdf/PdfDocument.h"
#include "platform/pictures/ExifOrientation.h"
#include "platform/pictures/PictureFiles.h"
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

QString exportAddressSides(const PdfExportRequest& request, QStringList* notes) {
    // The faces are opened while the book is read; the future waits for
    // them whichever way this returns.
    const std::future<void> faces = std::async(std::launch::async, platform::pdf::preloadFaces);
    AddressCardJob job;
    if (const QString why = job.prepare(request, request.settingsFile); !why.isEmpty()) return why;
    if (notes) *notes << job.readNotes();
    UnprintableCharacters unprintable;
    const auto card = [&](int page, platform::pdf::PdfPage& out) {
        const render::AddressSideInput& in = job.card(page);
        // The card is the page: its corner at the page's corner.
        out.picture = render::DrawAddressSide(in);
        unprintable.check(job.firstRow() + page, in, out.picture);
        out.offset = QPointF();
        return QString();
    };
    const QString why = platform::pdf::writePdf(request.output, job.cardCount(), card,
                                                documentInfo(request.output));
    if (!why.isEmpty()) return request.output + QStringLiteral(": ") + why;
    for (const QString& line : unprintable.lines())
        std::fprintf(stderr, "mirel36: %s\n", qPrintable(line));
    if (notes) *notes << job.overflowLines();
    if (notes) *notes << job.barcodeLines();
    return QString();
}

QString exportMessageSide(const PdfExportRequest& request) {
    message::MessageSideInput in;
    if (const QString why = readMessageCard(request, request.settingsFile, in); !why.isEmpty())
        return why;
    // A JPEG that needed no turning is embedded as its own bytes.
    if (request.inputs.size() > 1) in.pictureJpeg = jpegFileOf(request.inputs[1], in.picture);
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
        return request.output + QStringLiteral(": 通常のファイルではないため、置き換えません。");
    for (const QString& input : request.inputs) {
        struct stat in {};
        if (::stat(platform::nativeFileName(input).constData(), &in) == 0 &&
            in.st_dev == out.st_dev && in.st_ino == out.st_ino)
            return request.output + QStringLiteral(": 入力のファイル ") + input +
                   QStringLiteral(
                       " と同じです。書き出す PDF ファイルを先に指定してください"
                       "（--export-pdf 出力.pdf 入力ファイル）。");
    }
    // An earlier PDF is replaced; anything else was most likely meant as an input.
    // Read by the name's own bytes, as it was looked at above.
    char head[5] = {};
    const int fd =
        ::open(platform::nativeFileName(request.output).constData(), O_RDONLY | O_CLOEXEC);
    const bool pdf = fd >= 0 && ::read(fd, head, 5) == 5 && std::memcmp(head, "%PDF-", 5) == 0;
    if (fd >= 0) ::close(fd);
    if (out.st_size > 0 && !pdf)
        return request.output +
               QStringLiteral(": PDF ではないファイルがすでにあるため、置き換えません。");
    return QString();
}

}  // namespace

bool parsePdfExport(const QStringList& arguments, PdfExportRequest& request, QString& error) {
    const int at = int(arguments.indexOf(QStringLiteral("--export-pdf")));
    const QString settings = request.settingsFile;
    request = PdfExportRequest();
    request.settingsFile = settings;
    if (at < 0 || at + 1 >= arguments.size() || arguments[at + 1].startsWith(QLatin1String("--"))) {
        error = QStringLiteral(
            "--export-pdf の直後に書き出す PDF ファイルの名前を指定してください"
            "（--export-pdf 出力.pdf 入力ファイル）。");
        if (at >= 0 && at + 1 < arguments.size()) error += QStringLiteral(" ") + arguments[at + 1];
        return false;
    }
    request.output = arguments[at + 1];
    error = parseCardJob(arguments.mid(at + 2), request);
    return error.isEmpty();
}

QString exportPdf(const PdfExportRequest& request, QStringList* notes) {
    if (const QString why = outputProblem(request); !why.isEmpty()) return why;
    CardSide side = CardSide::Address;
    if (request.inputs.isEmpty() || !cardSideOf(request.inputs.first(), side))
        return request.inputs.value(0) +
               QStringLiteral(": 宛名データ（.csv, .vcf）でも文面（.txt）でもありません。");
    return side == CardSide::Address ? exportAddressSides(request, notes)
                                     : exportMessageSide(request);
}

}  // namespace app
