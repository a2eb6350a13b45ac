// Qt's print dialog and page setup on a CUPS queue: they open on the card's
// paper and tray, and only what the user changes there is kept.

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "platform/printer/QtPrintTarget.h"
#include "print/CardPaper.h"
#include "print/PrinterMemory.h"
#include "render/MediaKind.h"
#include "tests/support/core/CupsFixture.h"

namespace {

// The print dialog as a person uses it: the test's hands act on it, then
// it is accepted with its Print button, so Qt applies what it shows.
class HandledPrintTarget : public platform::QtPrintTarget {
  public:
    std::function<void(QPrintDialog&)> hands = [](QPrintDialog&) {};

  protected:
    int runDialog(QPrintDialog& dialog) override {
        QTimer::singleShot(0, &dialog, [this, &dialog] {
            hands(dialog);
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        return dialog.exec();
    }
};

// Acts on the next modal dialog once it shows, then presses its OK button.
void whenShown(const std::function<void(QDialog&)>& act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        act(*dialog);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
}

// Opens the print dialog's Properties, lets `act` work on it and presses OK.
void inProperties(QPrintDialog& print, const std::function<void(QDialog&)>& act) {
    whenShown(act);
    print.findChild<QPushButton*>(QStringLiteral("properties"))->click();
}

QComboBox* paperCombo(QDialog& d) {
    return d.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
}

// The Advanced tab's paper source: the combo that offers the test PPD's trays.
QComboBox* trayCombo(QDialog& d) {
    for (QComboBox* c : d.findChildren<QComboBox*>())
        if (c->findText(QStringLiteral("Card Tray")) >= 0) return c;
    return nullptr;
}

double widthMm(const QPageSize& size) { return size.size(QPageSize::Millimeter).width(); }

class PrintDialogPaper : public CupsFixture {
  protected:
    void SetUp() override {
        CupsFixture::SetUp();
        if (HasFatalFailure()) return;
        // This process's own printing reaches the test's server.
        server = env.value(QStringLiteral("CUPS_SERVER")).toLocal8Bit();
        qputenv("CUPS_SERVER", server);
        cupsSetServer(server.constData());
        settings = dir.filePath(QStringLiteral("mirel36.ini"));
        ASSERT_TRUE(target.selectPrinter(queue)) << target.errorString().toStdString();
    }
    void TearDown() override {
        cupsSetServer(nullptr);
        qunsetenv("CUPS_SERVER");
        CupsFixture::TearDown();
    }

    bool printDialog(int kind) {
        return print::withKindPaper(target, settings, kind,
                                    [this] { return target.choosePrinter(nullptr); });
    }

    QByteArray server;
    QString settings;
    HandledPrintTarget target;
};

}  // namespace

TEST_F(PrintDialogPaper, PropertiesOpenOnTheCardsPaperAndOkKeepsIt) {
    const struct {
        int kind;
        const char* entry;  // the PPD's paper; empty: a custom size
        double width;
    } cases[] = {{int(render::MediaKind::PlainPostcard), "Postcard", 100},
                 {int(render::MediaKind::Naga3Envelope), "EnvChou3", 120},
                 {int(render::MediaKind::You2Envelope), "", 114}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        QString shown;
        double shownWidth = 0;
        target.hands = [&](QPrintDialog& print) {
            inProperties(print, [&](QDialog& properties) {
                QComboBox* paper = paperCombo(properties);
                ASSERT_TRUE(paper);
                shown = paper->currentData().value<QPageSize>().key();
                properties.grab().save(
                    QStringLiteral(PELCOR_TEST_OUTPUT "/print-properties-%1.png").arg(c.kind));
                shownWidth =
                    properties.findChild<QDoubleSpinBox*>(QStringLiteral("pageWidth"))->value();
            });
        };
        ASSERT_TRUE(printDialog(c.kind));
        EXPECT_EQ(shown, QLatin1String(c.entry));
        EXPECT_NEAR(shownWidth, c.width, 0.5);
        EXPECT_NEAR(widthMm(target.jobPaper().size), c.width, 0.5);
        // Nothing was chosen, so nothing is kept.
        EXPECT_FALSE(print::readPaperChoice(settings, queue, c.kind));
    }
}

TEST_F(PrintDialogPaper, PrintingWithoutOpeningPropertiesKeepsTheCardsPaper) {
    ASSERT_TRUE(printDialog(int(render::MediaKind::Naga4Envelope)));
    EXPECT_EQ(target.jobPaper().size.key(), QStringLiteral("EnvChou4"));
    EXPECT_FALSE(print::readPaperChoice(settings, queue, int(render::MediaKind::Naga4Envelope)));
}

TEST_F(PrintDialogPaper, APaperOrTrayTheUserPicksIsKeptAndOfferedNextTime) {
    const int kind = int(render::MediaKind::PlainPostcard);
    target.hands = [](QPrintDialog& print) {
        inProperties(print, [](QDialog& properties) {
            QComboBox* paper = paperCombo(properties);
            paper->setCurrentIndex(paper->findText(QStringLiteral("A4")));
            QComboBox* tray = trayCombo(properties);
            ASSERT_TRUE(tray);
            tray->setCurrentIndex(tray->findText(QStringLiteral("Card Tray")));
        });
    };
    ASSERT_TRUE(printDialog(kind));
    EXPECT_EQ(target.jobPaper().size.key(), QStringLiteral("A4"));
    EXPECT_EQ(target.jobPaper().tray, QStringLiteral("CardTray"));
    const auto kept = print::readPaperChoice(settings, queue, kind);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->tray, QStringLiteral("CardTray"));

    // Next time both controls show the kept choice, and OK keeps it.
    QString paperShown, trayShown;
    target.hands = [&](QPrintDialog& print) {
        inProperties(print, [&](QDialog& properties) {
            paperShown = paperCombo(properties)->currentText();
            if (QComboBox* tray = trayCombo(properties)) trayShown = tray->currentText();
        });
    };
    ASSERT_TRUE(printDialog(kind));
    EXPECT_EQ(paperShown, QStringLiteral("A4"));
    EXPECT_EQ(trayShown, QStringLiteral("Card Tray"));
    EXPECT_EQ(target.jobPaper().tray, QStringLiteral("CardTray"));
    EXPECT_EQ(target.jobPaper().size.key(), QStringLiteral("A4"));
}

TEST_F(PrintDialogPaper, PageSetupOpensOnTheKeptPaperAndOkKeepsItsTray) {
    const int kind = int(render::MediaKind::Naga3Envelope);
    ASSERT_TRUE(print::writePaperChoice(settings, queue, kind,
                                        {QPageSize(QPageSize::EnvelopeChou3), "CardTray"}));
    QString shown;
    whenShown(
        [&](QDialog& setup) { shown = paperCombo(setup)->currentData().value<QPageSize>().key(); });
    print::withKindPaper(target, settings, kind, [this] {
        target.setupPrinter(nullptr);
        return true;
    });
    EXPECT_EQ(shown, QStringLiteral("EnvChou3"));
    EXPECT_EQ(target.jobPaper().size.key(), QStringLiteral("EnvChou3"));
    EXPECT_EQ(target.jobPaper().tray, QStringLiteral("CardTray"));
    EXPECT_EQ(print::readPaperChoice(settings, queue, kind)->tray, QStringLiteral("CardTray"));
}
