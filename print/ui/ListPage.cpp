#include "print/ui/ListPage.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "book/AddressBookDocument.h"
#include "platform/files/AppPaths.h"
#include "platform/page/WindowFonts.h"
#include "platform/seams/Dialogs.h"
#include "platform/seams/PrintTarget.h"
#include "platform/ui/Commands.h"
#include "platform/ui/Hint.h"
#include "print/CardPaper.h"
#include "print/PrinterMemory.h"
#include "print/TextPrinting.h"

namespace print {

ListPage::ListPage(platform::Dialogs& dialogs, platform::PrintTarget& printer, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), printer_(printer) {
    setObjectName(QStringLiteral("Ichiran"));

    ToolBar2 = new QToolBar(this);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setMovable(false);
    ToolBar2->setFloatable(false);
    JAddres = new QRadioButton(QStringLiteral("住所録"), ToolBar2);
    JAddres->setObjectName(QStringLiteral("JAddres"));
    JAddres->setChecked(true);
    platform::applyHint(JAddres, QStringLiteral("住所録表示|住所録を表示します"));
    Phone = new QRadioButton(QStringLiteral("電話帳"), ToolBar2);
    Phone->setObjectName(QStringLiteral("Phone"));
    platform::applyHint(Phone, QStringLiteral("電話帳表示|電話帳を表示します"));
    ToolBar2->addWidget(JAddres);
    ToolBar2->addWidget(Phone);

    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setFont(platform::windowFont(QStringLiteral("ＭＳ ゴシック"), 12));
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Reached by clicking only, never by the Tab key.
    RichEdit1->setFocusPolicy(Qt::ClickFocus);
    // Half-inch stops: eight half-width characters fill one, which is what
    // the list's extra tab after a short value is counted against.
    RichEdit1->setTabStopDistance(kTabStopInch * RichEdit1->logicalDpiX());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar2);
    layout->addWidget(RichEdit1);

    connect(JAddres, &QRadioButton::clicked, this, &ListPage::buildList);
    connect(Phone, &QRadioButton::clicked, this, &ListPage::buildList);
}

ListKind ListPage::kind() const { return Phone->isChecked() ? ListKind::Phone : ListKind::Address; }

void ListPage::buildList() {
    if (!book_) return;
    commands_->setEnabled({"ActOpen2"}, false);
    // Hyphenated codes are 8 bytes long and so get no extra tab.
    emit hyphenatedPostalCodesWanted();
    commands_->setEnabled({"ActHiphn", "ActNonHiphn", "ActSort", "ActRSort", "ActSelectAllData",
                           "ActCopy", "ActCut", "ActPaste", "ActSelectAll", "ActPrint", "ActIns",
                           "ActDel", "ActSave", "ActSaveAs", "ActReNum"},
                          false);
    commands_->setEnabled({"ActPrintIchiran", "ActPrinter", "ActEditData"}, true);

    QString text = buildListText(book_->activeBook(), kind());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    RichEdit1->setPlainText(text);
}

QFont ListPage::printFont() const {
    QFont font = RichEdit1->font();
    const int pixels = font.pixelSize();
    if (pixels > 0) font.setPointSizeF(pixels * 72.0 / RichEdit1->logicalDpiY());
    return font;
}

void ListPage::printList() {
    // The list keeps its own paper (A4 unless the user chose another).
    if (withKindPaper(printer_, platform::AppPaths::settingsFile(), kListSheet,
                      [this] { return printer_.choosePrinter(this); })) {
        PrintedText content{RichEdit1->toPlainText(), printFont(), kTabStopInch};
        const QString failure = printText(printer_, QStringLiteral("住所録"), content);
        if (!failure.isEmpty()) dialogs_.error(this, failure);
    }
    emit printed();
}

}  // namespace print
