#include <gtest/gtest.h>

#include <QPrintDialog>
#include <QTabWidget>
#include <functional>

#include "platform/QtPrintTarget.h"

namespace {

// The print dialog, answered by the test instead of a person.
class AnsweredPrintTarget : public platform::QtPrintTarget {
  public:
    std::function<void(QPrintDialog&)> user;

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
