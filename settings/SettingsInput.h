#pragma once
// The address side's inputs as the settings file holds them, for drawing
// without a window: the choices, the sender's texts and the layout values,
// each brought into its control's range as the window would.

#include <QString>

#include "message/MessageSideInput.h"
#include "render/AddressSideInput.h"

namespace app {

render::AddressSideInput addressSideInputFromSettings(const QString& settingsFile);

struct ProgramSettings;
// The barcode's switch, size and adjustment as the window would take them.
render::CustomerBarcodeInput barcodeInputOf(const ProgramSettings& settings);

// The message side's card kind, face and adjustment fields; no text, no picture.
message::MessageSideInput messageSideInputFromSettings(const QString& settingsFile);

}  // namespace app
