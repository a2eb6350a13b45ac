#pragma once
// Writing cards to a PDF file without a window: the address side of every
// record of a book, or the message side, exactly as printing would put them
// on paper, one page per card at the card's physical size.

#include <QString>
#include <QStringList>

#include "cli/CardJobArguments.h"

namespace app {

struct PdfExportRequest : CardJob {
    QString output;        // the PDF file
    QString settingsFile;  // where the choices, sender and layout values come from
};

// Parses "--export-pdf OUT BOOK.csv [--kind N] [--rows A-B] [--marks] [--back]" or
// "--export-pdf OUT BODY.txt [PICTURE]"; on a mistake returns false with
// `error` set, in Japanese.
bool parsePdfExport(const QStringList& arguments, PdfExportRequest& request, QString& error);

// Writes the PDF; returns an empty string or what went wrong. OUT must not be
// one of the inputs, nor anything but a regular file if it exists. `notes`
// (if given) receives warnings in Japanese about cards that were written
// but may not be what was meant (cards without an address, stray bytes,
// fields that run off the card).
QString exportPdf(const PdfExportRequest& request, QStringList* notes = nullptr);

}  // namespace app
