#pragma once
// The printer seam: the program prints through QtPrintTarget, the tests
// through a recording fake that paints into an image.

#include <QList>
#include <QPageSize>
#include <QPointF>
#include <QString>

class QPainter;
class QWidget;

namespace platform {

// How the next job meets the paper. Cards are drawn from the paper's own
// corner at their physical size, so they land where an exported PDF puts
// them; a list is laid out inside the printable area.
struct JobPaper {
    QPageSize size;                // invalid: whatever the printer holds
    QString tray;                  // the printer's paper source; empty: its default
    bool fromPaperCorner = false;  // origin at the paper's corner, not the printable area's
    QPointF offsetMm;              // this printer's feed correction, right and down
};

class PrintTarget {
  public:
    virtual ~PrintTarget() = default;

    // The print dialog; false when the user cancels it.
    virtual bool choosePrinter(QWidget* parent) = 0;

    // The printer setup dialog (paper and its orientation).
    virtual void setupPrinter(QWidget* parent) = 0;

    // Chooses a printer without a dialog; an empty name is the system's
    // default. False with errorString() when there is no such printer.
    virtual bool selectPrinter(const QString& name) = 0;

    // The printer chosen now; empty while printing into a file.
    virtual QString printerName() const = 0;
    // The paper sizes the chosen printer offers, and the one it starts with.
    virtual QList<QPageSize> offeredPaperSizes() const = 0;
    virtual QPageSize defaultPaperSize() const = 0;

    // The paper of the jobs from now on; the dialogs start from it.
    virtual void setJobPaper(const JobPaper& paper) = 0;
    // The paper as the printer holds it now (the user may have changed it).
    virtual JobPaper jobPaper() const = 0;

    // What a dialog offers as the name of a file to print into.
    virtual void setDocumentName(const QString& name) = 0;

    // Starts a job on the printer last chosen. The painter draws in device
    // pixels with its origin at the top left of the printable area, or of
    // the paper when the job paper says so, moved by its offset. Returns
    // nullptr when the job cannot start; errorString() then says why.
    virtual QPainter* beginJob(const QString& documentName) = 0;

    // Ends the page in hand and starts another one.
    virtual bool newPage() = 0;

    // Ends the job and sends it; false with errorString() when that fails.
    virtual bool endJob() = 0;

    virtual QString errorString() const = 0;
};

}  // namespace platform
