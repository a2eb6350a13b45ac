#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "print/CardPaper.h"
#include "print/PrinterMemory.h"
#include "tests/support/core/RecordingPrintTarget.h"

namespace {

QSizeF mm(const QPageSize& size) { return size.size(QPageSize::Millimeter); }

// What a CUPS printer with Japanese card sizes reports: its own keys and names.
QList<QPageSize> inkjetMedia() {
    return {QPageSize(QPageSize::A4),
            QPageSize(QSizeF(283.46, 419.53), QPageSize::Point, QStringLiteral("Postcard"),
                      QPageSize::FuzzyMatch),
            QPageSize(QPageSize::EnvelopeChou3), QPageSize(QPageSize::EnvelopeChou4)};
}

class CardPaperTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString settings = dir.filePath(QStringLiteral("mirel36.ini"));
    testsupport::RecordingPrintTarget target;
};

}  // namespace

TEST_F(CardPaperTest, EachKindGetsItsOwnPortraitPaperOrThePrintersMediumOfThatSize) {
    const QSizeF sizes[] = {{100, 148}, {100, 148}, {120, 235}, {90, 205}, {120, 176}, {114, 162}};
    target.offered = inkjetMedia();
    for (int kind = 0; kind < 6; ++kind) {
        print::preparePaper(target, settings, kind);
        const QSizeF got = mm(target.paper.size);
        EXPECT_NEAR(got.width(), sizes[kind].width(), 0.5) << kind;
        EXPECT_NEAR(got.height(), sizes[kind].height(), 0.5) << kind;
        EXPECT_TRUE(target.paper.fromPaperCorner) << kind;
    }
    // Offered media keep the printer's own identity; the others are custom.
    print::preparePaper(target, settings, 0);
    EXPECT_EQ(target.paper.size.id(), QPageSize::Postcard);
    print::preparePaper(target, settings, 2);
    EXPECT_EQ(target.paper.size.id(), QPageSize::EnvelopeChou3);
    print::preparePaper(target, settings, 4);
    EXPECT_EQ(target.paper.size.id(), QPageSize::Custom);

    print::preparePaper(target, settings, print::kListSheet);
    EXPECT_EQ(target.paper.size.id(), QPageSize::A4);
    EXPECT_FALSE(target.paper.fromPaperCorner);
    EXPECT_FALSE(print::ownPaper(7).isValid());
}

TEST_F(CardPaperTest, APaperChosenInTheDialogIsKeptPerPrinterAndKind) {
    target.printers = {QStringLiteral("inkjet"), QStringLiteral("laser")};
    target.offered = inkjetMedia();
    const QPageSize b6(QPageSize::B6);
    target.inDialog = [&] {
        target.paper.size = b6;
        target.paper.tray = QStringLiteral("Manual");
    };
    print::withKindPaper(target, settings, 3, [&] { return target.choosePrinter(nullptr); });
    EXPECT_EQ(target.paper.size.id(), QPageSize::B6);

    target.inDialog = nullptr;
    print::preparePaper(target, settings, 3);  // the next job, even after a restart
    EXPECT_EQ(target.paper.size.id(), QPageSize::B6);
    EXPECT_EQ(target.paper.tray, QStringLiteral("Manual"));
    print::preparePaper(target, settings, 1);  // another kind keeps its own
    EXPECT_EQ(target.paper.size.id(), QPageSize::Postcard);
    EXPECT_TRUE(target.paper.tray.isEmpty());
    target.chosen = QStringLiteral("laser");  // another printer too
    print::preparePaper(target, settings, 3);
    EXPECT_EQ(target.paper.size.id(), QPageSize::EnvelopeChou4);
}

TEST_F(CardPaperTest, TurningToAnotherPrinterInTheDialogKeepsTheKindsPaper) {
    target.printers = {QStringLiteral("inkjet"), QStringLiteral("laser")};
    // The dialog puts a newly chosen printer on its default paper.
    target.inDialog = [&] {
        target.chosen = QStringLiteral("laser");
        target.paper.size = target.printerDefault;
        target.paper.fromPaperCorner = false;
    };
    print::withKindPaper(target, settings, 2, [&] { return target.choosePrinter(nullptr); });
    EXPECT_NEAR(mm(target.paper.size).height(), 235, 0.5);
    EXPECT_TRUE(target.paper.fromPaperCorner);
    // Nothing was chosen by the user, so nothing is kept.
    EXPECT_FALSE(print::readPaperChoice(settings, QStringLiteral("laser"), 2));

    // A dialog that keeps the job's paper and tray across the turn: the new
    // printer still gets its own kept paper, and nothing is kept for it.
    ASSERT_TRUE(print::writePaperChoice(settings, QStringLiteral("inkjet"), 2,
                                        {QPageSize(QPageSize::EnvelopeChou3), "CardTray"}));
    ASSERT_TRUE(print::writePaperChoice(settings, QStringLiteral("laser"), 3,
                                        {QPageSize(QPageSize::B5), "Bypass"}));
    target.chosen = QStringLiteral("inkjet");
    target.inDialog = [&] { target.chosen = QStringLiteral("laser"); };
    print::withKindPaper(target, settings, 3, [&] { return target.choosePrinter(nullptr); });
    EXPECT_EQ(target.paper.size.id(), QPageSize::B5);
    target.chosen = QStringLiteral("inkjet");
    print::withKindPaper(target, settings, 2, [&] { return target.choosePrinter(nullptr); });
    EXPECT_NEAR(mm(target.paper.size).height(), 235, 0.5);
    EXPECT_TRUE(target.paper.tray.isEmpty());
    EXPECT_FALSE(print::readPaperChoice(settings, QStringLiteral("laser"), 2));
}

TEST_F(CardPaperTest, TheCalibrationMovesThePrintBackPerPrinterAndKind) {
    const QString odd = QStringLiteral("Office [2F] = A");  // characters a key cannot hold
    ASSERT_TRUE(print::writeCalibration(settings, odd, 0, QPointF(1.5, -0.7)));
    ASSERT_TRUE(print::writeCalibration(settings, QStringLiteral("inkjet"), 0, QPointF(25, -3)));
    EXPECT_EQ(print::readCalibration(settings, odd, 0), QPointF(1.5, -0.7));
    EXPECT_EQ(print::readCalibration(settings, odd, 1), QPointF());
    // Out of range is held at the limit.
    EXPECT_EQ(print::readCalibration(settings, QStringLiteral("inkjet"), 0), QPointF(10, -3));

    target.chosen = odd;
    print::preparePaper(target, settings, 0);
    EXPECT_EQ(target.paper.offsetMm, QPointF(-1.5, 0.7));
    print::preparePaper(target, settings, print::kListSheet);
    EXPECT_EQ(target.paper.offsetMm, QPointF());
}
