// The body page's event handlers and its clipboard and selection commands.

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>

#include "message/ui/BodyPage.h"
#include "message/ui/MessageFieldsPanel.h"
#include "platform/ui/SpinField.h"

namespace message {
namespace {

bool clipboardHoldsText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard && !clipboard->text().isEmpty();
}

}  // namespace

void BodyPage::markModified(bool moveFocus) {
    if (!isModified()) return;
    showStatus(modifiedBodyStatus());
    setCommand("ActHSave", true);
    if (moveFocus) focusEditor();
}

void BodyPage::reRender() {
    renderPreview();
    showKindPage();
    markModified(true);
}

void BodyPage::reRenderForField() {
    renderPreview();
    markModified(false);
}

void BodyPage::onTextChanged() { reRender(); }

void BodyPage::redraw() { reRender(); }

void BodyPage::onSelectionChanged() {
    setCommand("ActPaste", clipboardHoldsText());
    setCommand("ActSelectAll", !textEdit_->document()->isEmpty());
    const bool selected = textEdit_->textCursor().hasSelection();
    setCommand("ActCut", selected);
    setCommand("ActCopy", selected);
}

void BodyPage::onEditorPressed() { renderPreview(); }

void BodyPage::onFaceChosen() {
    reRender();
    focusEditor();
}

void BodyPage::onKindChosen() {
    reRender();
    focusEditor();
}

void BodyPage::onNewYearFieldChanged(platform::SpinField* changed) {
    resetButton(NewYearPage)->setEnabled(fieldsPanel_->anyNonZero(NewYearPage));
    if (changed) changed->hideCaret();
    reRenderForField();
}

void BodyPage::onOrdinaryFieldChanged(platform::SpinField* changed) {
    resetButton(OrdinaryPage)->setEnabled(fieldsPanel_->anyNonZero(OrdinaryPage));
    if (changed) changed->hideCaret();
    reRenderForField();
}

// The print fields act only on printing: nothing to redraw.
void BodyPage::onPrintFieldChanged() { resetButton(PrintPage)->setEnabled(true); }

void BodyPage::resetNewYearFields() {
    fieldsPanel_->zero(NewYearPage);
    resetButton(NewYearPage)->setEnabled(false);
    reRender();
}

void BodyPage::resetOrdinaryFields() {
    fieldsPanel_->zero(OrdinaryPage);
    resetButton(OrdinaryPage)->setEnabled(false);
    reRender();
}

void BodyPage::resetPrintFields() {
    fieldsPanel_->zero(PrintPage);
    resetButton(PrintPage)->setEnabled(false);
}

void BodyPage::enter() {
    setCommand("ActPaste", clipboardHoldsText());
    for (const char* on : {"ActOpen2", "ActPrint", "ActSaveAs"}) setCommand(on, true);
    for (const char* off :
         {"ActHiphn", "ActNonHiphn", "ActSort", "ActRSort", "ActPrintIchiran", "ActSelectAllData",
          "ActIns", "ActDel", "ActSave", "ActEditData", "ActReNum"})
        setCommand(off, false);
    renderPreview();
    focusEditor();
    onSelectionChanged();
}

void BodyPage::copy() {
    textEdit_->copy();
    onSelectionChanged();
}

void BodyPage::cut() {
    textEdit_->cut();
    onSelectionChanged();
}

void BodyPage::paste() { textEdit_->paste(); }

void BodyPage::selectAll() { textEdit_->selectAll(); }

}  // namespace message
