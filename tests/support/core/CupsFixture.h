#pragma once
// A CUPS server of the test's own: a cupsd in a temporary folder with a
// cups-pdf queue whose PPD (tests/print/cups/) offers the Japanese card
// sizes with 3 mm hardware margins and two paper trays.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

class CupsFixture : public ::testing::Test {
  protected:
    struct Outcome {
        int status = -1;
        QString output;
    };

    void SetUp() override;
    void TearDown() override;

    // Runs a program against the test's server and waits for it.
    Outcome run(const QString& program, const QStringList& args) const;
    QString readLog(const char* name) const;
    // Waits for the queue to finish and takes the PDF it wrote.
    QString takeOutput(const QString& name);

    const QString queue;
    QTemporaryDir dir;
    QProcess daemon;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

  public:
    CupsFixture();

  private:
    QString pdfConfig_;
};
