#include "render/SenderFields.h"

#include <array>

#include "render/ConvertForVertical.h"
#include "render/DrawingSurface.h"
#include "render/FieldArithmetic.h"
#include "render/FieldPlacer.h"
#include "render/NameColumns.h"
#include "render/VerticalFont.h"

namespace render {
namespace {

// The same for every kind.
constexpr int kAddress1X = 300, kAddress2X = 250, kNameX = 180, kJointX = 100;
constexpr int kAddressHeight = 40, kNameHeight = 60;

constexpr std::array<SenderBase, kMediaKindCount> kSenderBases{{
    //  S1y   S2y   Sny   Spy  U1x U2x  Sh  Sw
    {600, 800, 900, 1253, 61, 196, 35, 36},     // NewYearPostcard
    {800, 1000, 1050, 1403, 61, 196, 35, 36},   // PlainPostcard
    {1500, 1700, 1720, 2155, 61, 194, 50, 36},  // Naga3Envelope
    {1200, 1400, 1420, 1855, 61, 196, 35, 36},  // Naga4Envelope
    {910, 1110, 1130, 1565, 56, 189, 35, 39},   // You1Envelope
    {770, 970, 990, 1425, 56, 189, 35, 39},     // You2Envelope
}};

// An empty text would draw nothing, so it is not recorded at all.
void textOutIfAny(DrawingSurface& s, long long x, long long y, const QString& text) {
    if (!text.isEmpty()) s.textOut(clampedSum(x), clampedSum(y), text);
}

}  // namespace

const SenderBase& senderBase(MediaKind kind) { return kSenderBases[size_t(kind)]; }

void placeSenderFields(DrawingSurface& s, const AddressSideInput& in, MediaKind kind) {
    FieldPlacer placer(s, in, kind);
    placeSenderFields(placer, in, kind);
}

void placeSenderFields(FieldPlacer& placer, const AddressSideInput& in, MediaKind kind) {
    DrawingSurface& s = placer.surface();
    const SenderBase& b = senderBase(kind);
    const LayoutSettings& L = in.layout;
    const SenderTexts& t = in.sender;
    const int face = in.faceIndex;
    using W = long long;

    MakeVerticalFont(s, face, clampedSum(W(L.senderAddress.height) + kAddressHeight));
    const auto address = [&](const QString& line) {
        return ConvertForVertical(typesetAddress(line, in.typeset));
    };
    const QString address1 = address(t.address1), address2 = address(t.address2);
    if (!address1.isEmpty())
        placer.column(AddressField::SenderAddress1, W(L.senderAddress.line1.x) + kAddress1X,
                      W(L.senderAddress.line1.y) - b.address1Below, address1);
    if (!address2.isEmpty())
        placer.column(AddressField::SenderAddress2, W(L.senderAddress.line2.x) + kAddress2X,
                      W(L.senderAddress.line2.y) - b.address2Below, address2);

    // The sender's own name has no honorific and no vertical conversion.
    MakeVerticalFont(s, face, clampedSum(W(L.senderName.height) + kNameHeight));
    NameColumns names;
    names.nameX = W(L.senderName.x) + kNameX;
    names.jointX = W(L.senderName.x) + kJointX - L.senderName.lineGap;
    names.y = W(L.senderName.y) - b.nameBelow;
    names.name = typesetText(t.name, in.typeset);
    names.joint = typesetText(t.jointName, in.typeset);
    names.nameField = AddressField::SenderName;
    names.jointField = AddressField::SenderJoint;
    placeNameColumns(placer, names, in.typeset.jointAlign);

    // Each group is one string; its digits keep the font's own advance.
    s.setField(AddressField::SenderPostal);
    MakeVerticalFont(s, face, clampedSum(W(L.senderPostalCode.height) + b.postalHeight),
                     clampedSum(W(L.senderPostalCode.width) + b.postalWidth));
    textOutIfAny(s, W(L.senderPostalCode.upper.x) + b.postal1X,
                 W(L.senderPostalCode.upper.y) - b.postalBelow, t.postalCodeUpper);
    textOutIfAny(s, W(L.senderPostalCode.lower.x) + b.postal2X,
                 W(L.senderPostalCode.lower.y) - b.postalBelow, t.postalCodeLower);
}

}  // namespace render
