// The main window's import and export commands: address books from
// spreadsheets and contacts come in through the import dialog; the book goes
// out as UTF-8 CSV or vCard.

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QTabWidget>

#include "app/ui/CommandTable.h"
#include "app/ui/MainWindow.h"
#include "book/AddressRecord.h"
#include "book/BookModel.h"
#include "book/UnmappableList.h"
#include "book/exchange/BookImport.h"
#include "book/exchange/CsvExport.h"
#include "book/exchange/VCard.h"
#include "book/exchange/VCardWriter.h"
#include "book/ui/ImportDialog.h"
#include "platform/files/AppPaths.h"
#include "platform/files/AtomicFile.h"
#include "platform/seams/Dialogs.h"
#include "platform/ui/StringGrid.h"
#include "render/ui/PreviewPage.h"

namespace app {
namespace {

// The dialog shows the patterns after each name itself.
const QStringList kImportFilters = {QStringLiteral("住所録・連絡先 (*.csv *.txt *.tsv *.vcf)"),
                                    QStringLiteral("CSVファイル (*.csv)"),
                                    QStringLiteral("vCard (*.vcf)"),
                                    QStringLiteral("全てのファイル (*)")};
const QStringList kExportFilters = {QStringLiteral("CSVファイル UTF-8 (*.csv)"),
                                    QStringLiteral("vCard 3.0 (*.vcf)")};

}  // namespace

void MainWindow::ActImportExecute() {
    platform::FileDialogRequest request;
    request.title = QStringLiteral("インポート");
    request.filters = kImportFilters;
    request.folder = bookFolder();
    const platform::FileDialogResult chosen = dialogs_.openFile(this, request);
    if (!chosen.accepted()) return;
    const book::ImportBytes read = book::readImportBytes(chosen.path);
    if (!read.ok()) {
        dialogs_.error(this, read.error);
        return;
    }
    const QString settings = platform::AppPaths::settingsFile();
    book::ImportDialog dialog(chosen.path, read.bytes, book::readRememberedMappings(settings),
                              this);
    if (dialog.exec() != QDialog::Accepted || !dialog.result().ok()) return;
    const book::AddressRows& rows = dialog.result().rows;

    QVector<book::UnmappableText> unmappable;
    book::buildAddressFile(rows, &unmappable);
    if (!unmappable.isEmpty()) {
        const QString text =
            QStringLiteral(
                "取り込むデータの次の行には、住所録ファイルに保存できない文字が含まれています。"
                "\n") +
            book::describeUnmappable(unmappable, rows) +
            QStringLiteral("\n\nこのまま取り込みますか？（保存するときに「?」に置き換わります）");
        if (dialogs_.question(this, text) != platform::Answer::Yes) return;
    }
    book::ImportMode mode = dialog.mode();
    if (mode == book::ImportMode::Replace && AddressModified) {
        const QString text = QStringLiteral(
            "今の宛名データは保存されていません。\n\n"
            "取り込んだデータを今の宛名データに追加しますか、それとも置き換えますか？");
        const int answer =
            dialogs_.choose(this, text, {QStringLiteral("追加"), QStringLiteral("置き換え")});
        if (answer < 0) return;
        if (answer == 0) mode = book::ImportMode::Append;
    }
    ImportRows(rows, mode);
    if (dialog.isCsv()) book::rememberMapping(settings, dialog.mappingToRemember());
}

void MainWindow::ImportRows(const book::AddressRows& rows, book::ImportMode mode) {
    // Imported rows join the whole book, so it is shown whole.
    if (!ShowingAll) {
        const QSignalBlocker quiet(relationFilter);
        relationFilter->setCurrentIndex(0);
        relationFilter->setEditText(relationFilter->itemText(0));
        ShowingAll = true;
        relationGrid->hide();
        wholeGrid->show();
        commands->setEnabled({"ActIns", "ActDel", "ActReNum", "ActSort", "ActRSort", "ActNew"},
                             true);
    }
    const int first = book::putImportedRows(*wholeBook_, rows, mode);
    // A replaced book is a new one: saving must not silently write over the
    // file it came from.
    if (mode == book::ImportMode::Replace) {
        AddressFileName.clear();
        ForeignFileName.clear();
    }
    AddressModified = true;
    commands->action("ActPrint")->setEnabled(true);
    wholeGrid->setRow(first);
    CurrentRecord = first;
    pages->setCurrentWidget(previewPage);
    setBookCaption();
    RefreshPreview();
}

void MainWindow::ActExportExecute() {
    platform::FileDialogRequest request;
    request.title = QStringLiteral("エクスポート");
    request.filters = kExportFilters;
    request.defaultExtension = QStringLiteral("csv");
    request.folder = bookFolder();
    request.fileName = QFileInfo(AddressFileName).completeBaseName();
    const platform::FileDialogResult chosen = dialogs_.saveFile(this, request);
    if (!chosen.accepted()) return;
    // Always the whole book, whichever grid is shown; empty rows are left out.
    const book::AddressRows rows = book::filledRows(wholeBook_->records());
    const bool vcard = QFileInfo(chosen.path).suffix().toLower() == QLatin1String("vcf") ||
                       (chosen.filterIndex == 1 && QFileInfo(chosen.path).suffix().isEmpty());
    const QByteArray bytes = vcard ? book::writeVCards(rows) : book::writeUtf8Csv(rows);
    const QString error = platform::writeFileAtomically(chosen.path, bytes);
    if (!error.isEmpty()) dialogs_.error(this, chosen.path + QStringLiteral("\n") + error);
}

}  // namespace app
