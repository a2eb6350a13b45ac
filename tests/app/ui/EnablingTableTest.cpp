// Which commands each page switches on or off when it is shown: the whole
// table, checked from both starting states so that "left unchanged" is seen.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QTabWidget>

#include "app/ui/CommandTable.h"
#include "tests/app/MainWindowFixture.h"

namespace {

enum Page { PreviewAll, PreviewFiltered, Sender, Entry, List, Body, kPages };

// '1' on, '0' off, '=' unchanged, 'c' on exactly while the clipboard holds
// text. The body page's show handler leaves copy, cut and select-all to the
// body's selection rule, which with an empty body and no selection has them
// off: the table shows that outcome.
struct Row {
    const char* action;
    const char* states;  // one character per page, in the order above
};

const Row kTable[] = {
    {"ActPrint", "110001"},         {"ActPrinter", "11001="},      {"ActSave", "110100"},
    {"ActSaveAs", "110=01"},        {"ActIns", "100000"},          {"ActDel", "100000"},
    {"ActReNum", "100000"},         {"ActSort", "100000"},         {"ActRSort", "100000"},
    {"ActHiphn", "100=00"},         {"ActNonHiphn", "100=00"},     {"ActEditData", "111010"},
    {"ActSelectAllData", "110000"}, {"ActPrintIchiran", "000010"}, {"ActCopy", "000000"},
    {"ActCut", "000000"},           {"ActPaste", "00000c"},        {"ActSelectAll", "000000"},
    {"ActOpen2", "000001"},
};

int tabOf(Page page) {
    switch (page) {
        case PreviewAll:
        case PreviewFiltered:
            return 0;
        case Sender:
            return 1;
        case Entry:
            return 2;
        case List:
            return 3;
        default:
            return 4;
    }
}

}  // namespace

TEST_F(MainWindowTest, EveryPageSetsItsCommandsAsTheTableSays) {
    app::MainWindow& f = make();
    for (bool clipboardText : {false, true}) {
        if (clipboardText)
            QApplication::clipboard()->setText(QStringLiteral("あいう"));
        else
            QApplication::clipboard()->clear();
        for (int p = 0; p < kPages; ++p) {
            const Page page = Page(p);
            f.selectRelation(page == PreviewFiltered ? QStringLiteral("友人")
                                                     : QStringLiteral("全部"));
            for (bool before : {false, true}) {
                // Leave for another page, set every command, come back.
                f.showPage(tabOf(page) == 1 ? app::Page::Entry : app::Page::Sender);
                for (const Row& row : kTable)
                    f.findChild<QAction*>(QLatin1String(row.action))->setEnabled(before);
                f.showPage(app::Page(tabOf(page)));
                for (const Row& row : kTable) {
                    const char state = row.states[p];
                    const bool expected = state == '1'   ? true
                                          : state == '0' ? false
                                          : state == 'c' ? clipboardText
                                                         : before;
                    EXPECT_EQ(f.isCommandEnabled(row.action), expected)
                        << row.action << " on page " << p << " starting " << (before ? "on" : "off")
                        << (clipboardText ? " with clipboard text" : "");
                }
            }
        }
    }
}
