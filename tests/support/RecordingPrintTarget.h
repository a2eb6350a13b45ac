#pragma once
// A printer for tests: pages are painted into images of a fixed size in
// device pixels, and every call is recorded.

#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QVector>

#include "platform/PrintTarget.h"

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

    bool choosePrinter(QWidget* parent) override;
    void setupPrinter(QWidget* parent) override;
    QPainter* beginJob(const QString& documentName) override;
    bool newPage() override;
    bool endJob() override;
    QString errorString() const override { return error_; }

  private:
    QPainter painter_;
    QString error_;
};

}  // namespace testsupport
