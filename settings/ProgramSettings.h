#pragma once
// What the settings file holds, as plain values: the sender's texts, the
// adjustment fields of both sides and the choices. The windows fill one of
// these from their controls and apply one to them; the export reads one
// without any window.

#include <QString>

#include "message/MessageSideInput.h"
#include "render/AddressSideInput.h"
#include "render/LayoutSettings.h"

namespace app {

struct ProgramSettings {
    render::SenderTexts sender;            // [Edit]
    render::LayoutSettings addressLayout;  // [SE], the address side's fields
    message::MessageLayout messageLayout;  // [SE], the message side's fields
    // Item indexes of the choices; -1 when nothing is chosen.
    int addressFace = 0;  // faceChoice
    int mediaKind = 0;    // kindChoice
    int honorific = 0;    // honorificChoice
    int messageFace = 0;  // messageFaceChoice
    int messageKind = 0;  // messageKindChoice
    int jointAlign = 0;   // the typesetting choices
    int blockDash = 0;
    int halfKana = 0;
    int pictureFit = 0;  // how the message side's picture meets the card
    int fitColumns = 0;
    // [Barcode]: the customer barcode, off by default; its size in points
    // as written, and its adjustment in 0.1 mm.
    int barcodePrint = 0;
    QString barcodeSize = QStringLiteral("10");
    int barcodeXPos = 0, barcodeYPos = 0;
};

// Reads every key of `path`; a missing file, key or value keeps the value of
// `defaults`. Numbers are taken as they stand: ranges are the controls' (and
// the renderers') business.
ProgramSettings readSettingsFile(const QString& path, const ProgramSettings& defaults);

// Writes every key into `path`, keeping its other lines, and replaces the
// file in one step. Returns false when the file could not be written.
bool writeSettingsFile(const QString& path, const ProgramSettings& values);

}  // namespace app
