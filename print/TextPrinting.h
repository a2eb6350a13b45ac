#pragma once
// Prints plain text over as many pages as it needs, on the printable area
// of a print target, with a given font and tab stops.

#include <QFont>
#include <QString>
#include <memory>

class QPaintDevice;
class QTextDocument;

namespace platform {
class PrintTarget;
}

namespace print {

struct PrintedText {
    QString text;
    QFont font;               // sized in points, so it keeps its size on paper
    qreal tabStopInch = 0.5;  // distance between tab stops
};

// The text laid out for `device`: pages of the device's size, no margin.
std::unique_ptr<QTextDocument> layoutOnDevice(const PrintedText& text, QPaintDevice* device);

// Runs one job titled `jobTitle` (the print dialog is the caller's). Returns
// an empty string on success, else the printer's reason; the job is always
// ended, so the next one can start.
QString printText(platform::PrintTarget& target, const QString& jobTitle, const PrintedText& text);

}  // namespace print
