#pragma once
#include <QPainter>
#include <QPrinter>

class QPrintDialog;

#include "platform/seams/PrintTarget.h"

namespace platform {

// Prints on the CUPS printers QPrintDialog lists, or into a PDF file.
class QtPrintTarget : public PrintTarget {
  public:
    QtPrintTarget();
    bool choosePrinter(QWidget* parent) override;
    void setupPrinter(QWidget* parent) override;
    bool selectPrinter(const QString& name) override;
    QString printerName() const override;
    QList<QPageSize> offeredPaperSizes() const override;
    QPageSize defaultPaperSize() const override;
    void setJobPaper(const JobPaper& paper) override;
    JobPaper jobPaper() const override;
    void setDocumentName(const QString& name) override;
    QPainter* beginJob(const QString& documentName) override;
    bool newPage() override;
    bool endJob() override;
    QString errorString() const override { return error_; }

  protected:
    // Shows the print dialog and returns its result; tests answer it here.
    virtual int runDialog(QPrintDialog& dialog);
    QPrinter& printer() { return printer_; }

  private:
    QPrinter printer_;
    QPainter painter_;
    QPointF offsetMm_;
    QString error_;
};

}  // namespace platform
