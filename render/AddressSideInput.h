#pragma once
// Everything the address-side renderer reads, gathered by the caller from the
// controls and the active grid at the moment of drawing.

#include <QString>

#include "platform/page/OutputTarget.h"
#include "records/AddressRecord.h"
#include "render/CustomerBarcodeDrawing.h"
#include "render/LayoutSettings.h"
#include "render/Typesetting.h"

namespace render {

// The sender page's six fields.
struct SenderTexts {
    QString name, jointName;
    QString postalCodeUpper;  // the first three digits
    QString postalCodeLower;  // the last four
    QString address1, address2;
};

struct AddressSideInput {
    int mediaKind = 0;          // item index of the kind chooser; -1 when none is selected
    bool envelopeBack = false;  // the back of an envelope is chosen (front otherwise)
    int faceIndex = 0;          // item index of the face chooser
    QString honorific = QStringLiteral("様");
    records::AddressRecord record;  // the grid row being drawn
    SenderTexts sender;
    LayoutSettings layout;
    TypesetChoices typeset;
    CustomerBarcodeInput barcode;  // drawn on a postcard or an envelope's front
    platform::OutputTarget target = platform::OutputTarget::Screen;
};

}  // namespace render
