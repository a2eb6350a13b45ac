// The address side on the preview page: entering and leaving the page, the
// current record drawn in the preview box with its checks, and the grids'
// context menus.

#include <QLabel>
#include <QMenu>

#include "app/ui/CommandTable.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PreviewOverflowNote.h"
#include "app/ui/PreviewPostalCheck.h"
#include "book/BarcodeAddress.h"
#include "book/BookModel.h"
#include "book/ui/SenderPage.h"
#include "platform/ui/StringGrid.h"
#include "postal/PostalDictionaryFile.h"
#include "records/AddressRecord.h"
#include "render/AddressSideInput.h"
#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"
#include "render/ui/PreviewPage.h"

namespace app {

void MainWindow::enterPreview() {
    // Postal codes reach the renderer without hyphens.
    removePostalHyphens();
    if (book_->showingAll()) {
        wholeGrid->setRow(book_->currentRecord());
    } else {
        if (book_->filteredCurrentRow() <= 0)
            book_->setFilteredCurrentRow(book_->filteredCurrentRow() + 1);
        relationGrid->setRow(book_->filteredCurrentRow());
    }
    commands->setEnabled(
        {"ActHiphn", "ActNonHiphn", "ActSort", "ActRSort", "ActIns", "ActDel", "ActReNum"},
        book_->showingAll());
    commands->setEnabled(
        {"ActSelectAllData", "ActPrint", "ActPrinter", "ActSave", "ActSaveAs", "ActEditData"},
        true);
    commands->setEnabled(
        {"ActPrintIchiran", "ActCopy", "ActCut", "ActPaste", "ActSelectAll", "ActOpen2"}, false);
    RefreshPreview();
}

void MainWindow::leavePreview() {
    postalCheck_->clear();
    overflowNote_->clear();
    barcodeRemark_->hide();
    book_->setCurrentRecord(activeGrid()->row());
    book_->setFilteredCurrentRow(book_->currentRecord());
}

render::AddressSideInput MainWindow::addressSideInput(int row, QString* barcodeRemark) const {
    render::AddressSideInput in;
    in.mediaKind = previewPage->mediaKind();
    in.envelopeBack = previewPage->envelopeBack();
    in.faceIndex = previewPage->faceIndex();
    in.honorific = previewPage->honorific();
    in.record = book::recordAt(book_->activeBook(), row);
    in.sender = senderPage->texts();
    in.layout = previewPage->layoutSettings();
    in.typeset = previewPage->typesetChoices();
    in.barcode = previewPage->barcodeInput();
    const QString remark = book::attachRecordBarcode(in, *postalDictionary_);
    if (barcodeRemark) *barcodeRemark = remark;
    return in;
}

void MainWindow::RefreshPreview() {
    QString barcodeRemark;
    const render::AddressSideInput in = addressSideInput(activeGrid()->row(), &barcodeRemark);
    previewPage->showAddressSide(in.mediaKind, render::DrawAddressSide(in));
    barcodeRemark_->setText(barcodeRemark);
    barcodeRemark_->setVisible(shownPage_ == previewPage && !barcodeRemark.isEmpty());
    if (shownPage_ == previewPage) {
        postalCheck_->check(in.record[records::ColPostal],
                            in.record[records::ColAddress1] + in.record[records::ColAddress2]);
        overflowNote_->check(in);
    }
    // The side buttons only mean something for envelopes.
    const bool envelope = in.mediaKind >= int(render::MediaKind::Naga3Envelope) &&
                          in.mediaKind < render::kMediaKindCount;
    previewPage->setEnvelopeSidesEnabled(envelope);
}

platform::StringGrid* MainWindow::activeGrid() const {
    return book_->showingAll() ? wholeGrid : relationGrid;
}

void MainWindow::showGridMenu(QMenu* menu, const QPoint& pos) {
    // The menu opens at a fixed offset from the press, measured from the
    // window's top-left corner.
    const QPoint origin = frameGeometry().topLeft();
    menu->popup(QPoint(pos.x() + origin.x() + 190, pos.y() + origin.y() + 115));
}

void MainWindow::wholeGridMouseDown(Qt::MouseButton button, const QPoint& pos) {
    if (button == Qt::RightButton) showGridMenu(GridMenu1, pos);
}

void MainWindow::relationGridMouseDown(Qt::MouseButton button, const QPoint& pos) {
    if (button == Qt::RightButton) showGridMenu(GridMenu2, pos);
}

}  // namespace app
