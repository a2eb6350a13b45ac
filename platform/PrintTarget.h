#pragma once
// The printer seam: the program prints through QtPrintTarget, the tests
// through a recording fake that paints into an image.

#include <QString>

class QPainter;
class QWidget;

namespace platform {

class PrintTarget {
  public:
    virtual ~PrintTarget() = default;

    // The print dialog; false when the user cancels it.
    virtual bool choosePrinter(QWidget* parent) = 0;

    // The printer setup dialog (paper and its orientation).
    virtual void setupPrinter(QWidget* parent) = 0;

    // Starts a job on the printer last chosen. The painter draws in device
    // pixels with its origin at the top left of the printable area. Returns
    // nullptr when the job cannot start; errorString() then says why.
    virtual QPainter* beginJob(const QString& documentName) = 0;

    // Ends the page in hand and starts another one.
    virtual bool newPage() = 0;

    // Ends the job and sends it; false with errorString() when that fails.
    virtual bool endJob() = 0;

    virtual QString errorString() const = 0;
};

}  // namespace platform
