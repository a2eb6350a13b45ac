#include "settings/SettingsInput.h"

#include "message/MessageFields.h"
#include "render/Honorifics.h"
#include "render/LayoutFields.h"
#include "render/MediaKind.h"
#include "render/VerticalFont.h"
#include "settings/ProgramSettings.h"

namespace app {

render::CustomerBarcodeInput barcodeInputOf(const ProgramSettings& s) {
    render::CustomerBarcodeInput b;
    b.print = s.barcodePrint == 1;
    b.points = render::barcodePointsFromText(s.barcodeSize);
    b.xPos =
        std::clamp(s.barcodeXPos, render::kBarcodeAdjustMinimum, render::kBarcodeAdjustMaximum);
    b.yPos =
        std::clamp(s.barcodeYPos, render::kBarcodeAdjustMinimum, render::kBarcodeAdjustMaximum);
    return b;
}

render::AddressSideInput addressSideInputFromSettings(const QString& settingsFile) {
    const ProgramSettings s = readSettingsFile(settingsFile, ProgramSettings());
    render::AddressSideInput in;
    in.sender = s.sender;
    // Each field brought into its control's range, as the window would.
    for (const render::AdjustmentTab& tab : render::layoutTabs())
        for (const render::AdjustmentField& f : tab.fields) {
            int v = f.valueIn(s.addressLayout);
            if (f.minimum != f.maximum) v = std::clamp(v, f.minimum, f.maximum);
            f.valueIn(in.layout) = v;
        }
    // An index outside the list leaves nothing chosen, as in the window.
    in.faceIndex = s.addressFace >= 0 && s.addressFace < int(render::VerticalFaceList.size())
                       ? s.addressFace
                       : -1;
    in.mediaKind = s.mediaKind >= 0 && s.mediaKind < render::kMediaKindCount ? s.mediaKind : -1;
    const QStringList honorifics = render::honorificItems();
    in.honorific =
        s.honorific >= 0 && s.honorific < honorifics.size() ? honorifics[s.honorific] : QString();
    in.typeset =
        render::typesetChoicesFromNumbers(s.jointAlign, s.blockDash, s.halfKana, s.fitColumns);
    in.barcode = barcodeInputOf(s);
    return in;
}

message::MessageSideInput messageSideInputFromSettings(const QString& settingsFile) {
    const ProgramSettings s = readSettingsFile(settingsFile, ProgramSettings());
    message::MessageSideInput in;
    for (const message::MessageAdjustmentPage& page : message::messageFieldPages())
        for (const message::MessageAdjustmentGroup& group : page.groups)
            for (const message::MessageAdjustmentField& f : group.fields)
                in.layout.*f.member = std::clamp(s.messageLayout.*f.member, f.minimum, f.maximum);
    in.faceIndex = s.messageFace >= 0 && s.messageFace < int(render::VerticalFaceList.size())
                       ? s.messageFace
                       : -1;
    in.cardKind = s.messageKind == 0 || s.messageKind == 1 ? s.messageKind : -1;
    if (s.pictureFit >= 0 && s.pictureFit <= int(message::PictureFit::Inside))
        in.pictureFit = message::PictureFit(s.pictureFit);
    return in;
}

}  // namespace app
