#include <gtest/gtest.h>

#include <QPrintDialog>
#include <QTabWidget>
#include <QTemporaryDir>
#include <functional>

#include "platform/printer/QtPrintTarget.h"

namespace {

// The print dialog, answered by the test instead of a person.
class AnsweredPrintTarget : public platform::QtPrintTarget {
  public:
    std::function<void(QPrintDialog&)> user;
    // Prints into a PDF file instead of a printer.
    void intoFile(const QString& path) { printer().setOutputFileName(path); }

  protected:
    int runDialog(QPrintDialog& dialog) override {
        dialog.show();
        user(dialog);
        dialog.hide();
        return QDialog::Accepted;
    }
};

// True when the user can reach the control: on some tab of the dialog's
// (folded) options, it shows.
bool offered(QPrintDialog& dialog, const char* name) {
    QWidget* control = dialog.findChild<QWidget*>(QLatin1String(name));
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabs"));
    if (!control || !tabs) return false;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        if (control->isVisibleTo(tabs)) return true;
    }
    return false;
}

}  // namespace

TEST(QtPrintTarget, TheDialogOffersNoPageRangeCopiesOrOrderAndNoJobKeepsThem) {
    AnsweredPrintTarget target;
    target.user = [](QPrintDialog& dialog) {
        for (const char* name :
             {"printRange", "from", "pagesLineEdit", "copies", "collate", "reverse"})
            EXPECT_FALSE(offered(dialog, name)) << name;
        // As a dialog that offered them would leave the printer.
        QPrinter& p = *dialog.printer();
        p.setPrintRange(QPrinter::PageRange);
        p.setFromTo(2, 2);
        p.setCopyCount(3);
        p.setPageOrder(QPrinter::LastPageFirst);
    };
    ASSERT_TRUE(target.choosePrinter(nullptr));
    target.user = [](QPrintDialog& dialog) {
        const QPrinter& p = *dialog.printer();
        EXPECT_EQ(p.printRange(), QPrinter::AllPages);
        EXPECT_EQ(p.fromPage(), 0);
        EXPECT_EQ(p.copyCount(), 1);
        EXPECT_EQ(p.pageOrder(), QPrinter::FirstPageFirst);
    };
    ASSERT_TRUE(target.choosePrinter(nullptr));
}

TEST(QtPrintTarget, ACardJobDrawsFromThePapersCornerMovedByTheCorrection) {
    QTemporaryDir dir;
    AnsweredPrintTarget target;
    target.intoFile(dir.filePath(QStringLiteral("card.pdf")));
    platform::JobPaper card;
    card.size =
        QPageSize(QSizeF(120, 176), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    card.fromPaperCorner = true;
    card.offsetMm = QPointF(1.5, -0.8);
    target.setJobPaper(card);
    QPainter* painter = target.beginJob(QStringLiteral("card"));
    ASSERT_TRUE(painter);
    const QPaintDevice& device = *painter->device();
    const double dots = device.logicalDpiX() / 25.4;
    // The whole paper is the page: no printable-area margin in between.
    EXPECT_NEAR(device.width() / dots, 120, 0.2);
    EXPECT_NEAR(device.height() / dots, 176, 0.2);
    const QPointF origin = painter->transform().map(QPointF(0, 0));
    EXPECT_NEAR(origin.x() / dots, 1.5, 0.01);
    EXPECT_NEAR(origin.y() / dots, -0.8, 0.01);
    ASSERT_TRUE(target.newPage());
    EXPECT_NEAR(painter->transform().map(QPointF(0, 0)).x() / dots, 1.5, 0.01);
    ASSERT_TRUE(target.endJob());

    // A job that asks for nothing prints inside the printable area, as before.
    QPainter* plain = target.beginJob(QStringLiteral("list"));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->transform().map(QPointF(0, 0)), QPointF(0, 0));
    EXPECT_FALSE(target.jobPaper().fromPaperCorner);
    EXPECT_LT(plain->device()->width() / dots, 119);
    target.endJob();
}

TEST(QtPrintTarget, AcceptingTheDialogKeepsTheJobsPaper) {
    AnsweredPrintTarget target;
    platform::JobPaper card;
    card.size = QPageSize(QPageSize::Postcard);
    card.fromPaperCorner = true;
    target.setJobPaper(card);
    target.user = [](QPrintDialog& dialog) {
        dialog.grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/print-dialog.png"));
    };
    ASSERT_TRUE(target.choosePrinter(nullptr));
    EXPECT_EQ(target.jobPaper().size.id(), QPageSize::Postcard);
    EXPECT_TRUE(target.jobPaper().fromPaperCorner);
}
