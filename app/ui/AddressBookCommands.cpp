// The main window's address book commands: files, sorting, the relation
// filter and the postal-code passes.

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>

#include "app/ui/CommandTable.h"
#include "app/ui/MainWindow.h"
#include "book/AddressRecord.h"
#include "book/BookModel.h"
#include "book/PostalCode.h"
#include "book/RelationFilter.h"
#include "book/Sorting.h"
#include "book/UnmappableList.h"
#include "book/ui/EntryPage.h"
#include "book/ui/SenderPage.h"
#include "platform/files/AppPaths.h"
#include "platform/files/AtomicFile.h"
#include "platform/seams/Dialogs.h"
#include "platform/ui/StringGrid.h"
#include "render/ui/PreviewPage.h"

namespace app {
namespace {

// The dialog shows the patterns after each name itself.
const QStringList kOpenFilters = {QStringLiteral("全てのファイル (*)"),
                                  QStringLiteral("CSVファイル (*.csv)")};
const QStringList kSaveFilters = {QStringLiteral("CSVファイル (*.csv)")};

// Runs `change` on the book a grid shows, keeping the grid's selection.
template <typename F>
void keepingSelection(platform::StringGrid& grid, F change) {
    const platform::GridRect sel = grid.selection();
    change();
    grid.setGridSelection(sel);
}

}  // namespace

void MainWindow::OpenAddressFile(const QString& path) {
    // The file is read before the book is touched: a file that cannot be
    // read leaves the open book as it was.
    const book::AddressReadResult read = book::readAddressFile(path);
    if (!read.ok) {
        dialogs_.error(this, read.error.startsWith(path)
                                 ? read.error
                                 : path + QStringLiteral("\n") + read.error);
        return;
    }
    keepingSelection(*wholeGrid, [&] { wholeBook_->load(read.rows); });
    wholeGrid->setRow(1);

    // A new book is shown whole: the relation filter goes back to "全部".
    ShowingAll = true;
    {
        const QSignalBlocker quiet(relationFilter);
        relationFilter->setCurrentIndex(0);
        relationFilter->setEditText(relationFilter->itemText(0));
    }
    relationGrid->hide();
    wholeGrid->show();
    commands->setEnabled({"ActIns", "ActDel", "ActReNum", "ActSort", "ActRSort", "ActNew"}, true);

    AddressModified = false;
    commands->action("ActPrint")->setEnabled(true);
    pages->setCurrentWidget(senderPage);
    pages->setCurrentWidget(previewPage);
    ActNonHiphnExecute();
    AddressFileName = read.foreign ? QString() : path;
    ForeignFileName = read.foreign ? path : QString();
    setBookCaption();
    if (read.foreign)
        StatusBar1->showMessage(
            QStringLiteral("「%1」は別の形式のファイルです。保存するときは名前を付けてください。")
                .arg(QFileInfo(path).fileName()));
    RefreshPreview();
}

void MainWindow::setBookCaption() {
    const QString name =
        !AddressFileName.isEmpty() || ForeignFileName.isEmpty()
            ? QFileInfo(AddressFileName).fileName()
            : QFileInfo(ForeignFileName).fileName() + QStringLiteral("（別の形式から読み込み）");
    setWindowTitle(book::bookCaption(name, wholeBook_->rowCount() - 1,
                                     relationFilter->currentText(), activeBook().rowCount() - 1));
}

bool MainWindow::SaveAddressFile(const QString& path) {
    if (pages->currentWidget() != previewPage) pages->setCurrentWidget(previewPage);

    // Always the whole book, whichever grid is shown.
    const book::AddressRows rows = wholeBook_->records();
    QVector<book::UnmappableText> unmappable;
    const QByteArray bytes = book::buildAddressFile(rows, &unmappable);
    if (!unmappable.isEmpty()) {
        const QString text =
            QStringLiteral("次のデータには、ファイルに保存できない文字が含まれています。\n") +
            book::describeUnmappable(unmappable, rows) +
            QStringLiteral("\n\nこれらの文字を「?」に置き換えて保存しますか？");
        if (dialogs_.question(this, text) != platform::Answer::Yes) return false;
    }
    const QString error = platform::writeFileAtomically(path, bytes);
    if (!error.isEmpty()) {
        dialogs_.error(this, path + QStringLiteral("\n") + error);
        return false;
    }

    // The grid shows what was written: postal codes in their plain form.
    keepingSelection(*wholeGrid, [&] {
        const platform::BulkUpdate once(*wholeBook_);
        wholeBook_->addHyphens();
        wholeBook_->removeHyphens();
        RenumberRows();
    });
    AddressFileName = path;
    ForeignFileName.clear();
    setWindowTitle(QStringLiteral("　Pelcor　　　　『　") + QFileInfo(path).fileName() +
                   QStringLiteral("　』"));
    RefreshPreview();
    AddressModified = false;
    return true;
}

bool MainWindow::ActSaveExecute() {
    if (!QFileInfo(AddressFileName).suffix().isEmpty()) return SaveAddressFile(AddressFileName);
    return ActSaveAsExecute();
}

bool MainWindow::ActSaveAsExecute() {
    platform::FileDialogRequest request;
    request.filters = kSaveFilters;
    request.defaultExtension = QStringLiteral("csv");
    request.folder = AddressFileName.isEmpty() && !ForeignFileName.isEmpty()
                         ? QFileInfo(ForeignFileName).absolutePath()
                         : bookFolder();
    const platform::FileDialogResult chosen = dialogs_.saveFile(this, request);
    if (!chosen.accepted()) {
        RefreshPreview();
        return false;
    }
    return SaveAddressFile(chosen.path);
}

QString MainWindow::bookFolder() const {
    return AddressFileName.isEmpty() ? platform::AppPaths::addressBookFolder()
                                     : QFileInfo(AddressFileName).absolutePath();
}

void MainWindow::ActOpenExecute() {
    platform::FileDialogRequest request;
    request.filters = kOpenFilters;
    request.folder = bookFolder();
    const platform::FileDialogResult chosen = dialogs_.openFile(this, request);
    if (chosen.accepted()) OpenDocument(chosen.path);
}

void MainWindow::ActNewExecute() {
    keepingSelection(*wholeGrid, [&] { wholeBook_->clear(); });
    setWindowTitle(QStringLiteral("　Pelcor　　　　『　新規データ　』　"));
    CurrentRecord = 1;
    // Hidden and shown again, so that the page's show handling runs.
    pages->setCurrentWidget(previewPage);
    pages->setCurrentWidget(entryPage);
    entryPage->ClearEntryFields();
    entryPage->focusFirstField();
    AddressFileName.clear();
    ForeignFileName.clear();
    ShowingAll = true;
}

void MainWindow::ActSortExecute() {
    keepingSelection(*wholeGrid, [&] { wholeBook_->sort(book::SortOrder::Forward); });
    RefreshPreview();
}

void MainWindow::ActRSortExecute() {
    keepingSelection(*wholeGrid, [&] { wholeBook_->sort(book::SortOrder::Backward); });
    RefreshPreview();
}

void MainWindow::onRelationFilterChanged() {
    const QString relation = relationFilter->currentText();
    ShowingAll = relation == QString::fromUtf16(book::kFilterAll);
    if (!ShowingAll) {
        filteredBook_->selectRelation(*wholeBook_, relation);
        relationGrid->setRow(1);
        wholeGrid->hide();
        relationGrid->show();
    } else {
        relationGrid->hide();
        wholeGrid->show();
    }
    commands->setEnabled({"ActIns", "ActDel", "ActReNum", "ActSort", "ActRSort", "ActNew"},
                         ShowingAll);
    RefreshPreview();
    setBookCaption();
}

void MainWindow::ActHiphnExecute() {
    keepingSelection(*activeGrid(), [&] { activeBook().addHyphens(); });
    RefreshPreview();
}

void MainWindow::ActNonHiphnExecute() {
    keepingSelection(*activeGrid(), [&] { activeBook().removeHyphens(); });
    RefreshPreview();
}

}  // namespace app
