#include "render/RecipientFields.h"

#include <QStringList>
#include <array>
#include <cmath>

#include "platform/page/VerticalText.h"
#include "render/ConvertForVertical.h"
#include "render/DrawingSurface.h"
#include "render/FieldArithmetic.h"
#include "render/FieldPlacer.h"
#include "render/NameColumns.h"
#include "render/VerticalFont.h"

namespace render {
namespace {

constexpr int kPostalPitch = 70;
constexpr int kPostalBelow = 138;
constexpr int kPostalHeight = 69;
constexpr int kAddress1Below = 300;
constexpr int kCompanyHeight = 70;
constexpr int kTitleHeight = 50;
constexpr int kCompanyShift = 80;   // the name steps left to make room for the company
constexpr int kTitleSizeShift = 5;  // name moves down per unit of title size
constexpr int kTitleNameDistance = 100;
constexpr double kTitleShare = 0.4;  // of its band a fitted title may take

// By kind index: postcards share their positions.
constexpr std::array<RecipientBase, kMediaKindCount> kRecipientBases{{
    //  P   Wd  Ha   A1x   A2x  A2y  Cx   Cy   Tx   Ty   G    Hn   Nx   Ny   Jx
    {450, 38, 60, 910, 810, 400, 670, 300, 540, 310, 80, 120, 650, 400, 530},     // NewYearPostcard
    {450, 38, 60, 910, 810, 400, 670, 300, 540, 310, 80, 120, 650, 400, 530},     // PlainPostcard
    {658, 23, 80, 1100, 1000, 500, 820, 400, 690, 410, 120, 135, 800, 500, 630},  // Naga3Envelope
    {360, 23, 60, 800, 700, 500, 580, 400, 450, 410, 90, 100, 550, 500, 430},     // Naga4Envelope
    {658, 23, 70, 1100, 1000, 500, 820, 300, 690, 310, 0, 110, 800, 500, 680},    // You1Envelope
    {598, 23, 60, 1040, 950, 500, 770, 300, 640, 310, 0, 110, 750, 500, 630},     // You2Envelope
}};

// One element per character, a pair of surrogates kept together, so a
// character beyond the basic plane still takes one box and not two.
QStringList characters(const QString& text) {
    QStringList out;
    for (int i = 0; i < text.size(); ++i) {
        const int n =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        out.append(text.mid(i, n));
        i += n - 1;
    }
    return out;
}

// The base point shared by name and joint name: a company pushes them left,
// a title pushes them down below it.
struct NameBase {
    long long x, y;
};

NameBase nameBasePoint(const AddressSideInput& in, const RecipientBase& b) {
    const LayoutSettings& L = in.layout;
    long long x = L.recipientName.x;
    if (!in.record[records::ColCompany].isEmpty()) x -= kCompanyShift;
    long long y = L.recipientName.y;
    if (!in.record[records::ColTitle].isEmpty())
        y += L.title.y - kTitleSizeShift * (long long)L.title.height - kTitleNameDistance -
             ((long long)L.title.lineGap + b.titleGap);
    return {x, y};
}

}  // namespace

const RecipientBase& recipientBase(MediaKind kind) { return kRecipientBases[size_t(kind)]; }

void placeRecipientFields(DrawingSurface& s, const AddressSideInput& in, MediaKind kind) {
    FieldPlacer placer(s, in, kind);
    placeRecipientFields(placer, in, kind);
}

void placeRecipientFields(FieldPlacer& placer, const AddressSideInput& in, MediaKind kind) {
    DrawingSurface& s = placer.surface();
    const RecipientBase& b = recipientBase(kind);
    const LayoutSettings& L = in.layout;
    const auto& cell = in.record;
    const int face = in.faceIndex;
    using W = long long;
    const auto address = [&](records::Column column) {
        return ConvertForVertical(typesetAddress(cell[column], in.typeset));
    };
    const auto text = [&](records::Column column) {
        return ConvertForVertical(typesetText(cell[column], in.typeset));
    };

    // Postal digits, one box each, drawn as typed: the caller removes hyphens.
    s.setField(AddressField::Postal);
    MakeVerticalFont(s, face, clampedSum(W(L.recipientPostalCode.height) + kPostalHeight),
                     clampedSum(W(L.recipientPostalCode.width) + b.postalWidth));
    const QStringList digits = characters(cell[records::ColPostal]);
    for (int i = 0; i < digits.size(); ++i)
        s.textOut(clampedSum(W(L.recipientPostalCode.x) + b.postalX + W(kPostalPitch) * i),
                  clampedSum(W(L.recipientPostalCode.y) - kPostalBelow), digits[i]);

    MakeVerticalFont(s, face, clampedSum(W(L.recipientAddress.height) + b.addressHeight));
    if (!cell[records::ColAddress1].isEmpty())
        placer.column(AddressField::Address1, W(L.recipientAddress.line1.x) + b.address1X,
                      W(L.recipientAddress.line1.y) - kAddress1Below,
                      address(records::ColAddress1));
    if (!cell[records::ColAddress2].isEmpty())
        placer.column(AddressField::Address2, W(L.recipientAddress.line2.x) + b.address2X,
                      W(L.recipientAddress.line2.y) - b.address2Below,
                      address(records::ColAddress2));

    MakeVerticalFont(s, face, clampedSum(W(L.company.height) + kCompanyHeight));
    if (!cell[records::ColCompany].isEmpty())
        placer.column(AddressField::Company, W(L.company.x) + b.companyX,
                      W(L.company.y) - b.companyBelow, text(records::ColCompany));

    MakeVerticalFont(s, face, clampedSum(W(L.title.height) + kTitleHeight));
    PageBox title;
    const bool hasTitle = !cell[records::ColTitle].isEmpty();
    if (hasTitle) {
        const long long x = W(L.title.x) + b.titleX, y = W(L.title.y) - b.titleBelow;
        const int height = int(platform::VerticalText::emSize(s.font()));
        // A fitted title leaves most of its band to the name below it.
        const double cap = kTitleShare * (y - placer.limit(double(x - height), double(x), y));
        title = placer.column(AddressField::Title, x, y, text(records::ColTitle), cap);
    }

    // Name and joint name: the joint name one column to the left, each
    // followed by a half-width space and the honorific.
    const NameBase base = nameBasePoint(in, b);
    MakeVerticalFont(s, face, clampedSum(W(L.recipientName.height) + b.nameHeight));
    NameColumns names;
    names.nameX = base.x + b.nameX;
    names.jointX = base.x - L.recipientName.lineGap + b.jointX;
    names.y = clampedSum(base.y - b.nameBelow);
    names.name = text(records::ColName);
    names.joint = text(records::ColJointName);
    names.honorific = ConvertForVertical(in.honorific);
    names.nameField = AddressField::Name;
    names.jointField = AddressField::Joint;
    if (placer.fitting() && hasTitle) {
        // The name starts below the title it would otherwise cover.
        const long long height = std::llround(platform::VerticalText::emSize(s.font()));
        const bool beside =
            title.right > double(names.jointX - height) && title.left < double(names.nameX);
        if (beside)
            names.y = std::min(names.y, (long long)std::floor(title.bottom) - (height + 3) / 4);
    }
    placeNameColumns(placer, names, in.typeset.jointAlign);
}

}  // namespace render
