#pragma once
// The controls of the body page a test types into, clicks or reads, found by
// the names they have on the page.

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include "message/ui/BodyPage.h"
#include "message/ui/MessageFieldsPanel.h"
#include "message/ui/MessagePreviewBox.h"

inline QPlainTextEdit* bodyEditor(message::BodyPage& p) {
    return p.findChild<QPlainTextEdit*>("RichEdit2");
}
inline QLineEdit* bodyStatusLine(message::BodyPage& p) { return p.findChild<QLineEdit*>("Mode2"); }
inline QToolButton* bodySaveButton(message::BodyPage& p) {
    return p.findChild<QToolButton*>("SpeedButton2");
}
inline QComboBox* messageKindChoice(message::BodyPage& p) {
    return p.findChild<QComboBox*>("ComboBox5");
}
inline message::MessagePreviewBox* messagePreview(message::BodyPage& p) {
    return p.findChild<message::MessagePreviewBox*>("PaintBox2");
}
inline message::MessageFieldsPanel* messageFields(message::BodyPage& p) {
    return p.findChild<message::MessageFieldsPanel*>("PageControl3");
}
