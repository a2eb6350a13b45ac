#pragma once
// Writes recorded pages straight into a PDF file: the pages' content is
// built and compressed on all cores and written in order as it is ready, so
// memory stays flat however many pages there are; the fonts (subset) and
// pictures follow once at the end. The file appears under its name only when
// everything was written.

#include <QPointF>
#include <QString>
#include <functional>

#include "platform/page/PagePicture.h"

namespace platform::pdf {

struct PdfPage {
    PagePicture picture;  // its size is the page's size
    QPointF offset;       // where its top-left corner goes, page units, y down
};

struct PdfDocumentInfo {
    QString title;
    QString creator;
};

// Fills `page` with page `index`; returns an empty string or what went wrong.
// Called in page order on the thread that calls writePdf.
using PageSource = std::function<QString(int index, PdfPage& page)>;

// Returns an empty string or what went wrong (the file is then left as it was).
QString writePdf(const QString& path, int pageCount, const PageSource& source,
                 const PdfDocumentInfo& info);

}  // namespace platform::pdf
