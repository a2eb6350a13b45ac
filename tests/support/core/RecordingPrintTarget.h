#pragma once
// A printer for tests: pages are painted into images of a fixed size in
// device pixels, and every call is recorded.

#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QVector>
#include <functional>

#include "platform/seams/PrintTarget.h"

namespace testsupport {

class RecordingPrintTarget : public platform::PrintTarget {
  public:
    bool acceptDialog = true;    // answer of the print dialog
    bool failBegin = false;      // the job cannot start
    bool failNewPage = false;    // the printer gives up at the second page
    QSize pageSize{2480, 3508};  // A4 at 300 dpi
    int dotsPerInch = 0;         // resolution the pages report; 0: the image default
    QStringList calls;           // "dialog", "setup", "begin NAME", "page", "end"
    QVector<QImage> pages;       // white where nothing was drawn
    // The printers the system knows, the first its default; the chosen one.
    QStringList printers{QStringLiteral("inkjet")};
    QString chosen = QStringLiteral("inkjet");
    QList<QPageSize> offered;  // paper sizes of every printer
    QPageSize printerDefault{QPageSize::A4};
    platform::JobPaper paper;        // as set, or as the dialog left it
    QString offeredFileName;         // the dialog's proposal for printing into a file
    std::function<void()> inDialog;  // what the user does in the print dialog

    bool choosePrinter(QWidget* parent) override;
    void setupPrinter(QWidget* parent) override;
    bool selectPrinter(const QString& name) override;
    QString printerName() const override { return chosen; }
    QList<QPageSize> offeredPaperSizes() const override { return offered; }
    QPageSize defaultPaperSize() const override { return printerDefault; }
    void setJobPaper(const platform::JobPaper& p) override { paper = p; }
    platform::JobPaper jobPaper() const override { return paper; }
    void setDocumentName(const QString& name) override { offeredFileName = name; }
    QPainter* beginJob(const QString& documentName) override;
    bool newPage() override;
    bool endJob() override;
    QString errorString() const override { return error_; }

  private:
    void startPage();
    QPainter painter_;
    QString error_;
};

}  // namespace testsupport
