// The main window's address book commands: files, rows, sorting, the
// relation filter and the postal-code passes. The document does the work; these ask
// the questions and keep the grids and pages in step.

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QStatusBar>
#include <QTabWidget>

#include "app/ui/CommandTable.h"
#include "app/ui/MainWindow.h"
#include "book/AddressBookDocument.h"
#include "book/RelationFilter.h"
#include "book/RowOperations.h"
#include "book/ui/EntryPage.h"
#include "book/ui/SenderPage.h"
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
    QString error;
    keepingSelection(*wholeGrid, [&] { error = book_->open(path); });
    if (!error.isEmpty()) {
        dialogs_.error(this, error);
        return;
    }
    wholeGrid->setRow(1);
    commands->setEnabled({"ActPrint"}, true);
    pages->setCurrentWidget(senderPage);
    pages->setCurrentWidget(previewPage);
    removePostalHyphens();
    if (!book_->foreignFileName().isEmpty())
        StatusBar1->showMessage(
            QStringLiteral("「%1」は別の形式のファイルです。保存するときは名前を付けてください。")
                .arg(QFileInfo(path).fileName()));
    RefreshPreview();
}

void MainWindow::showFilter(bool showingAll) {
    if (showingAll && relationFilter->currentText() != QString::fromUtf16(book::kFilterAll)) {
        const QSignalBlocker quiet(relationFilter);
        relationFilter->setCurrentIndex(0);
        relationFilter->setEditText(relationFilter->itemText(0));
    }
    relationGrid->setVisible(!showingAll);
    wholeGrid->setVisible(showingAll);
    commands->setEnabled({"ActIns", "ActDel", "ActReNum", "ActSort", "ActRSort", "ActNew"},
                         showingAll);
}

bool MainWindow::SaveAddressFile(const QString& path) {
    if (pages->currentWidget() != previewPage) pages->setCurrentWidget(previewPage);
    const QString unsaveable = book_->unsaveableRecords();
    if (!unsaveable.isEmpty()) {
        const QString text =
            QStringLiteral("次のデータには、ファイルに保存できない文字が含まれています。\n") +
            unsaveable + QStringLiteral("\n\nこれらの文字を「?」に置き換えて保存しますか？");
        if (dialogs_.question(this, text) != platform::Answer::Yes) return false;
    }
    QString error;
    keepingSelection(*wholeGrid, [&] { error = book_->save(path); });
    if (!error.isEmpty()) {
        dialogs_.error(this, error);
        return false;
    }
    RefreshPreview();
    return true;
}

bool MainWindow::ActSaveExecute() {
    const QString path = book_->savePath();
    return path.isEmpty() ? ActSaveAsExecute() : SaveAddressFile(path);
}

bool MainWindow::ActSaveAsExecute() {
    platform::FileDialogRequest request;
    request.filters = kSaveFilters;
    request.defaultExtension = QStringLiteral("csv");
    request.folder = book_->saveFolder();
    const platform::FileDialogResult chosen = dialogs_.saveFile(this, request);
    if (!chosen.accepted()) {
        RefreshPreview();
        return false;
    }
    return SaveAddressFile(chosen.path);
}

void MainWindow::ActOpenExecute() {
    platform::FileDialogRequest request;
    request.filters = kOpenFilters;
    request.folder = book_->folder();
    const platform::FileDialogResult chosen = dialogs_.openFile(this, request);
    if (chosen.accepted()) OpenDocument(chosen.path);
}

void MainWindow::ActNewExecute() {
    keepingSelection(*wholeGrid, [&] { book_->newBook(); });
    // Hidden and shown again, so that the page's show handling runs.
    pages->setCurrentWidget(previewPage);
    pages->setCurrentWidget(entryPage);
    entryPage->clearFields();
    entryPage->focusFirstField();
}

void MainWindow::ActSortExecute() {
    keepingSelection(*wholeGrid, [&] { book_->wholeBook().sort(book::SortOrder::Forward); });
    RefreshPreview();
}

void MainWindow::ActRSortExecute() {
    keepingSelection(*wholeGrid, [&] { book_->wholeBook().sort(book::SortOrder::Backward); });
    RefreshPreview();
}

void MainWindow::onRelationFilterChanged() {
    book_->selectRelation(relationFilter->currentText());
    if (!book_->showingAll()) relationGrid->setRow(1);
    RefreshPreview();
}

void MainWindow::addPostalHyphens() {
    keepingSelection(*activeGrid(), [&] { book_->activeBook().addHyphens(); });
    RefreshPreview();
}

void MainWindow::removePostalHyphens() {
    keepingSelection(*activeGrid(), [&] { book_->activeBook().removeHyphens(); });
    RefreshPreview();
}

void MainWindow::RenumberRows() { book_->wholeBook().renumber(); }

void MainWindow::ActInsExecute() {
    const platform::GridRect sel = wholeGrid->selection();
    book_->setCurrentRecord(book_->insertRows(sel));
    wholeGrid->setGridSelection(sel);
}

void MainWindow::ActDelExecute() {
    const platform::GridRect sel = wholeGrid->selection();
    book_->deleteRows(sel);
    wholeGrid->setRow(std::min(sel.top, book_->wholeBook().rowCount() - 1));
}

void MainWindow::ActReNumExecute() { RenumberRows(); }

void MainWindow::ActSelectAllDataExecute() {
    activeGrid()->setGridSelection(book::allRecords(book_->activeBook()));
}

}  // namespace app
