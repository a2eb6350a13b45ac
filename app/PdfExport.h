#pragma once
// Writing cards to a PDF file without a window: the address side of every
// record of a book, or the message side, exactly as printing would put them
// on paper, one page per card at the card's physical size.

#include <QString>
#include <QStringList>

namespace app {

struct PdfExportRequest {
    QString output;      // the PDF file
    QStringList inputs;  // a book (.csv), or a message text (.txt) and a picture
    int kind = -1;       // MediaKind, -1: the settings file's choice
    int firstRow = 1;    // records, 1-based and inclusive; 0: to the end
    int lastRow = 0;
    bool marks = false;         // draw the screen-only marks too
    bool envelopeBack = false;  // the sender side of an envelope
    QString settingsFile;       // where the choices, sender and layout values come from
};

// Parses "--export-pdf OUT BOOK.csv [--kind N] [--rows A-B] [--marks] [--back]" or
// "--export-pdf OUT BODY.txt [PICTURE]"; on a
// mistake returns false with `error` set.
bool parsePdfExport(const QStringList& arguments, PdfExportRequest& request, QString& error);

// Writes the PDF; returns an empty string or what went wrong. OUT must not be
// one of the inputs, nor anything but a regular file if it exists.
// `overflows`, when given, receives the lines that name the records whose
// address side runs off the card; the PDF is written all the same.
QString exportPdf(const PdfExportRequest& request, QStringList* overflows = nullptr);

}  // namespace app
