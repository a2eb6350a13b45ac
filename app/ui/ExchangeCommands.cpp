// The main window's import and export commands: address books from
// spreadsheets and contacts come in through the import dialog; the book goes
// out as UTF-8 CSV or vCard.

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QTabWidget>

#include "app/ui/CommandTable.h"
#include "app/ui/MainWindow.h"
#include "book/AddressBookDocument.h"
#include "book/exchange/BookImport.h"
#include "book/ui/ImportDialog.h"
#include "platform/files/AppPaths.h"
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
    request.folder = book_->folder();
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

    const QString unsaveable = book::AddressBookDocument::unsaveableRecords(rows);
    if (!unsaveable.isEmpty()) {
        const QString text =
            QStringLiteral(
                "取り込むデータの次の行には、住所録ファイルに保存できない文字が含まれています。"
                "\n") +
            unsaveable +
            QStringLiteral("\n\nこのまま取り込みますか？（保存するときに「?」に置き換わります）");
        if (dialogs_.question(this, text) != platform::Answer::Yes) return;
    }
    book::ImportMode mode = dialog.mode();
    if (mode == book::ImportMode::Replace && book_->isModified()) {
        const QString text = QStringLiteral(
            "今の宛名データは保存されていません。\n\n"
            "取り込んだデータを今の宛名データに追加しますか、それとも置き換えますか？");
        const int answer =
            dialogs_.choose(this, text, {QStringLiteral("追加"), QStringLiteral("置き換え")});
        if (answer < 0) return;
        if (answer == 0) mode = book::ImportMode::Append;
    }
    wholeGrid->setRow(book_->importRows(rows, mode));
    if (dialog.isCsv()) book::rememberMapping(settings, dialog.mappingToRemember());
    commands->setEnabled({"ActPrint"}, true);
    pages->setCurrentWidget(previewPage);
    RefreshPreview();
}

void MainWindow::ActExportExecute() {
    platform::FileDialogRequest request;
    request.title = QStringLiteral("エクスポート");
    request.filters = kExportFilters;
    request.defaultExtension = QStringLiteral("csv");
    request.folder = book_->folder();
    request.fileName = QFileInfo(book_->fileName()).completeBaseName();
    const platform::FileDialogResult chosen = dialogs_.saveFile(this, request);
    if (!chosen.accepted()) return;
    // Always the whole book, whichever grid is shown.
    const bool vcard = QFileInfo(chosen.path).suffix().toLower() == QLatin1String("vcf") ||
                       (chosen.filterIndex == 1 && QFileInfo(chosen.path).suffix().isEmpty());
    const QString error = book_->exportTo(chosen.path, vcard);
    if (!error.isEmpty()) dialogs_.error(this, error);
}

}  // namespace app
