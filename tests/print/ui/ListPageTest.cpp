#include <gtest/gtest.h>

#include <QFontInfo>
#include <QMap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolBar>

#include "book/AddressBookDocument.h"
#include "book/PostalCode.h"
#include "platform/table/CellGrid.h"
#include "print/ui/ListPage.h"
#include "records/AddressRecord.h"
#include "tests/support/RecordingCommands.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/core/RecordingPrintTarget.h"

namespace {

// The book the page lists, and what the page asked of the window, in order.
struct FakeWindow {
    book::AddressBookDocument book;
    testsupport::RecordingCommands commands;
    QStringList events;
};

QString shownText(const platform::CellGrid& grid, print::ListKind kind) {
    return print::buildListText(grid, kind).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

struct PageRig {
    testsupport::ScriptedDialogs dialogs;
    testsupport::RecordingPrintTarget printer;
    FakeWindow host;
    book::BookModel& grid = host.book.wholeBook();
    print::ListPage page{dialogs, printer};
    PageRig() {
        page.setBook(&host.book);
        page.setCommands(&host.commands);
        QObject::connect(&page, &print::ListPage::hyphenatedPostalCodesWanted, [this] {
            host.events.append(QStringLiteral("hyphens"));
            grid.addHyphens();
        });
        QObject::connect(&page, &print::ListPage::printed,
                         [this] { host.events.append(QStringLiteral("preview")); });
        grid.setCell(records::ColNumber, 1, QStringLiteral("1"));
        grid.setCell(records::ColName, 1, QStringLiteral("山田花"));
        grid.setCell(records::ColPostal, 1, QStringLiteral("1234567 "));
        grid.setCell(records::ColPhone, 1, QStringLiteral("03-1111-2222"));
    }
};

}  // namespace

TEST(ListPage, ControlsAreSetUpAsTheListNeedsThem) {
    PageRig rig;
    QPlainTextEdit* edit = rig.page.findChild<QPlainTextEdit*>("RichEdit1");
    EXPECT_EQ(edit->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_FALSE(edit->isReadOnly());
    EXPECT_EQ(edit->focusPolicy() & Qt::TabFocus, 0);
    EXPECT_EQ(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit->font().pixelSize(), 12);
    EXPECT_EQ(QFontInfo(edit->font()).family(), QStringLiteral("IPAGothic"));
    EXPECT_DOUBLE_EQ(edit->tabStopDistance(), 0.5 * edit->logicalDpiX());
    EXPECT_TRUE(rig.page.findChild<QRadioButton*>("JAddres")->isChecked());
    EXPECT_EQ(rig.page.findChild<QRadioButton*>("JAddres")->toolTip(),
              QStringLiteral("住所録表示"));
    EXPECT_EQ(rig.page.findChild<QRadioButton*>("JAddres")->statusTip(),
              QStringLiteral("住所録を表示します"));
    EXPECT_EQ(rig.page.findChild<QRadioButton*>("Phone")->toolTip(), QStringLiteral("電話帳表示"));
    EXPECT_EQ(rig.page.findChild<QRadioButton*>("Phone")->statusTip(),
              QStringLiteral("電話帳を表示します"));
    EXPECT_EQ(rig.page.findChild<QRadioButton*>("JAddres")->parentWidget(),
              rig.page.findChild<QToolBar*>("ToolBar2"));
    // On paper the 12-pixel screen font is 9 points at the usual 96 dpi.
    EXPECT_NEAR(rig.page.printFont().pointSizeF(), 12 * 72.0 / edit->logicalDpiY(), 1e-9);
}

TEST(ListPage, BuildListHyphenatesFirstThenSetsTheCommandsAndShowsTheList) {
    PageRig rig;
    rig.host.commands.enabled[QStringLiteral("ActPrintIchiran")] = false;
    rig.page.enter();
    // The list shows the hyphenated codes, so the hyphens came first.
    EXPECT_EQ(rig.host.events, QStringList{QStringLiteral("hyphens")});
    EXPECT_EQ(rig.grid.cell(records::ColPostal, 1), QStringLiteral("123-4567"));
    EXPECT_EQ(rig.page.findChild<QPlainTextEdit*>("RichEdit1")->toPlainText(),
              shownText(rig.grid, print::ListKind::Address));
    // The hyphenated code is 8 bytes: no extra tab after it.
    EXPECT_TRUE(rig.page.findChild<QPlainTextEdit*>("RichEdit1")
                    ->toPlainText()
                    .contains(QStringLiteral("  \t123-4567  \t")));

    for (const char* off : {"ActOpen2", "ActHiphn", "ActNonHiphn", "ActSort", "ActRSort",
                            "ActSelectAllData", "ActCopy", "ActCut", "ActPaste", "ActSelectAll",
                            "ActPrint", "ActIns", "ActDel", "ActSave", "ActSaveAs", "ActReNum"})
        EXPECT_EQ(rig.host.commands.enabled.value(QLatin1String(off), true), false) << off;
    for (const char* on : {"ActPrintIchiran", "ActPrinter", "ActEditData"})
        EXPECT_EQ(rig.host.commands.enabled.value(QLatin1String(on), false), true) << on;
    EXPECT_EQ(rig.host.commands.enabled.size(), 19);
}

TEST(ListPage, PrintsWhatTheBoxHoldsAndRedrawsThePreviewEitherWay) {
    PageRig rig;
    rig.page.enter();
    rig.host.events.clear();

    rig.printer.acceptDialog = false;
    rig.page.printList();
    EXPECT_EQ(rig.printer.calls, QStringList{QStringLiteral("dialog")});
    EXPECT_TRUE(rig.printer.pages.isEmpty());
    EXPECT_EQ(rig.host.events, QStringList{QStringLiteral("preview")});

    // Typed text is printed as it stands, under the address list's title
    // even for the phone list.
    rig.page.findChild<QRadioButton*>("Phone")->setChecked(true);
    rig.page.findChild<QPlainTextEdit*>("RichEdit1")->setPlainText(QStringLiteral("■"));
    rig.printer.acceptDialog = true;
    rig.printer.calls.clear();
    rig.host.events.clear();
    rig.page.printList();
    EXPECT_EQ(rig.printer.calls,
              (QStringList{QStringLiteral("dialog"), QStringLiteral("begin 住所録"),
                           QStringLiteral("end")}));
    ASSERT_EQ(rig.printer.pages.size(), 1);
    const QImage& page = rig.printer.pages[0];
    bool inked = false;
    for (int y = 0; y < 40 && !inked; ++y)
        for (int x = 0; x < 40 && !inked; ++x) inked = qGray(page.pixel(x, y)) < 128;
    EXPECT_TRUE(inked) << "the square should print at the top left of the printable area";
    EXPECT_EQ(rig.host.events, QStringList{QStringLiteral("preview")});
    EXPECT_EQ(rig.dialogs.count(QStringLiteral("error")), 0);
}

TEST(ListPage, APrinterThatCannotStartIsReportedAndThePreviewStillRedrawn) {
    PageRig rig;
    rig.dialogs.expect("error");
    rig.page.enter();
    rig.host.events.clear();
    rig.printer.failBegin = true;
    rig.page.printList();
    EXPECT_EQ(rig.dialogs.texts(QStringLiteral("error")),
              QStringList{QStringLiteral("no printer")});
    EXPECT_EQ(rig.host.events, QStringList{QStringLiteral("preview")});

    rig.printer.failBegin = false;
    rig.page.printList();
    EXPECT_EQ(rig.printer.pages.size(), 1);
    EXPECT_EQ(rig.dialogs.count(QStringLiteral("error")), 1);
}
