#include "print/TextPrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

#include "platform/seams/PrintTarget.h"

namespace print {
namespace {

// A line of the list too long for the paper wraps under its own (last)
// column, not back at the margin under the No. column: each tabbed
// paragraph hangs from where the text after its last tab starts.
void hangFromLastColumn(QTextDocument& doc) {
    doc.pageCount();  // lays every block out
    const qreal widest = doc.pageSize().width() * 0.7;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const int tab = int(block.text().lastIndexOf(QLatin1Char('\t')));
        const QTextLayout* layout = block.layout();
        if (tab < 0 || !layout || layout->lineCount() == 0) continue;
        const QTextLine first = layout->lineAt(0);
        if (tab + 1 > first.textStart() + first.textLength()) continue;
        const qreal column = first.cursorToX(tab + 1) - first.x();
        if (column <= 0 || column > widest) continue;
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(column);
        format.setTextIndent(-column);
        QTextCursor(block).setBlockFormat(format);
    }
}

}  // namespace

std::unique_ptr<QTextDocument> layoutOnDevice(const PrintedText& text, QPaintDevice* device) {
    auto doc = std::make_unique<QTextDocument>();
    // Laid out in the device's own pixels: a 9 pt font is 9 pt on paper and
    // the page breaks fall where the printer's page ends.
    doc->documentLayout()->setPaintDevice(device);
    doc->setDefaultFont(text.font);
    QTextOption option = doc->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Qt counts tab stops in screen pixels and scales them to the device.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal screenDpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    option.setTabStopDistance(text.tabStopInch * screenDpi);
    doc->setDefaultTextOption(option);
    doc->setDocumentMargin(0);
    doc->setPageSize(QSizeF(device->width(), device->height()));
    doc->setPlainText(text.text);
    hangFromLastColumn(*doc);
    return doc;
}

QString printText(platform::PrintTarget& target, const QString& jobTitle, const PrintedText& text) {
    QPainter* painter = target.beginJob(jobTitle);
    if (!painter) return target.errorString();
    const auto doc = layoutOnDevice(text, painter->device());
    const QSizeF page = doc->pageSize();
    const int pages = doc->pageCount();
    QString failure;
    for (int i = 0; i < pages; ++i) {
        if (i > 0) {
            if (!target.newPage()) {
                failure = target.errorString();
                break;
            }
            // A target may hand out a fresh device for each page; the
            // layout must never measure with the one that is gone.
            doc->documentLayout()->setPaintDevice(painter->device());
        }
        painter->save();
        // Page i is the band [i*h, (i+1)*h) of the laid-out text.
        painter->translate(0, -i * page.height());
        const QRectF band(0, i * page.height(), page.width(), page.height());
        painter->setClipRect(band);
        doc->drawContents(painter, band);
        painter->restore();
    }
    if (!target.endJob() && failure.isEmpty()) failure = target.errorString();
    return failure;
}

}  // namespace print
