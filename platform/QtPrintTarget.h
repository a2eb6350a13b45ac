#pragma once
#include <QPainter>
#include <QPrinter>

class QPrintDialog;

#include "platform/PrintTarget.h"

namespace platform {

// Prints on the CUPS printers QPrintDialog lists, or into a PDF file.
class QtPrintTarget : public PrintTarget {
  public:
    QtPrintTarget();
    bool choosePrinter(QWidget* parent) override;
    void setupPrinter(QWidget* parent) override;
    QPainter* beginJob(const QString& documentName) override;
    bool newPage() override;
    bool endJob() override;
    QString errorString() const override { return error_; }

  protected:
    // Shows the print dialog and returns its result; tests answer it here.
    virtual int runDialog(QPrintDialog& dialog);

  private:
    QPrinter printer_;
    QPainter painter_;
    QString error_;
};

}  // namespace platform
