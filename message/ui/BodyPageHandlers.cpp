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

void BodyPage::RichEdit2Change() { reRender(); }

void BodyPage::redraw() { reRender(); }

void BodyPage::RichEdit2SelectionChange() {
    setCommand("ActPaste", clipboardHoldsText());
    setCommand("ActSelectAll", !RichEdit2->document()->isEmpty());
    const bool selected = RichEdit2->textCursor().hasSelection();
    setCommand("ActCut", selected);
    setCommand("ActCopy", selected);
}

void BodyPage::RichEdit2MouseDown() { renderPreview(); }

void BodyPage::ComboBox4Click() {
    reRender();
    focusEditor();
}

void BodyPage::ComboBox5Click() {
    reRender();
    focusEditor();
}

void BodyPage::NES0Change(platform::SpinField* changed) {
    resetButton(NewYearPage)->setEnabled(PageControl3->anyNonZero(NewYearPage));
    if (changed) changed->hideCaret();
    reRenderForField();
}

void BodyPage::FHS0Change(platform::SpinField* changed) {
    resetButton(OrdinaryPage)->setEnabled(PageControl3->anyNonZero(OrdinaryPage));
    if (changed) changed->hideCaret();
    reRenderForField();
}

// The print fields act only on printing: nothing to redraw.
void BodyPage::PGsize1Change() { resetButton(PrintPage)->setEnabled(true); }

void BodyPage::NEDefaultClick() {
    PageControl3->zero(NewYearPage);
    resetButton(NewYearPage)->setEnabled(false);
    reRender();
}

void BodyPage::FuDefaultClick() {
    PageControl3->zero(OrdinaryPage);
    resetButton(OrdinaryPage)->setEnabled(false);
    reRender();
}

void BodyPage::SPrintDefaultClick() {
    PageControl3->zero(PrintPage);
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
    RichEdit2SelectionChange();
}

void BodyPage::ActCopyExecute() {
    RichEdit2->copy();
    RichEdit2SelectionChange();
}

void BodyPage::ActCutExecute() {
    RichEdit2->cut();
    RichEdit2SelectionChange();
}

void BodyPage::ActPasteExecute() { RichEdit2->paste(); }

void BodyPage::ActSelectAllExecute() { RichEdit2->selectAll(); }

}  // namespace message
