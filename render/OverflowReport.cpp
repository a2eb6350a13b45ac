#include "render/OverflowReport.h"

#include <QRectF>
#include <algorithm>

#include "platform/page/VerticalText.h"
#include "render/AddressFields.h"
#include "render/DrawingSurface.h"
#include "render/MediaKind.h"

namespace render {
namespace {

// Overlaps thinner than this (0.1 mm) are two fields touching, not covering.
constexpr double kTouch = 0.5;

struct FieldBox {
    AddressField field;
    QRectF rect;  // page units, y down (the page's y negated)
};

QRectF pageRect(const platform::PageRect& r) {
    return QRectF(QPointF(std::min(r.x1, r.x2), -std::max(r.y1, r.y2)),
                  QPointF(std::max(r.x1, r.x2), -std::min(r.y1, r.y2)));
}

// The cells a placed text covers, as the players lay it out.
QRectF cellsOf(const PlacedText& t) {
    const platform::TextLayout layout = platform::VerticalText::layout(t.font, t.text);
    return layout.cells.translated(t.x, -t.y);
}

bool covers(const QRectF& a, const QRectF& b) {
    const QRectF i = a.intersected(b);
    return i.width() > kTouch && i.height() > kTouch;
}

bool isPostal(AddressField f) {
    return f == AddressField::Postal || f == AddressField::SenderPostal;
}

void addOnce(std::vector<Overflow>& out, const Overflow& o) {
    if (std::find(out.begin(), out.end(), o) == out.end()) out.push_back(o);
}

}  // namespace

std::vector<Overflow> findOverflows(const AddressSideInput& input) {
    std::vector<Overflow> out;
    const std::optional<MediaKind> kind = mediaKindFromIndex(input.mediaKind);
    if (!kind) return out;
    const MediaKindInfo& info = mediaKindInfo(*kind);
    std::vector<PlacedText> placed;
    {
        DrawingSurface surface(info.widthHundredths, info.heightHundredths,
                               platform::OutputTarget::Printer);
        surface.setPlacementSink(&placed);
        placeAddressFields(surface, input);
    }
    std::vector<FieldBox> boxes;
    boxes.reserve(placed.size());
    for (const PlacedText& t : placed) {
        const QRectF cells = cellsOf(t);
        if (!cells.isEmpty()) boxes.push_back({t.field, cells});
    }

    const QRectF sheet = pageRect(info.outline);
    const bool front = !info.isEnvelope() || !input.envelopeBack;
    const bool back = !info.isEnvelope() || input.envelopeBack;
    const QRectF stamp = pageRect(info.stampBox);
    const QRectF recipientBoxes =
        pageRect({info.recipientBoxLeft, -122, info.recipientBoxLeft + 480, -212});
    const QRectF senderBoxes = pageRect({54, info.senderBoxTop, 345, info.senderBoxBottom});

    using K = Overflow::Kind;
    using E = Overflow::Edge;
    for (size_t i = 0; i < boxes.size(); ++i) {
        const FieldBox& b = boxes[i];
        const QRectF& r = b.rect;
        if (r.bottom() > sheet.bottom() + kTouch) addOnce(out, {K::OffSheet, b.field, E::Bottom});
        if (r.top() < sheet.top() - kTouch) addOnce(out, {K::OffSheet, b.field, E::Top});
        if (r.left() < sheet.left() - kTouch) addOnce(out, {K::OffSheet, b.field, E::Left});
        if (r.right() > sheet.right() + kTouch) addOnce(out, {K::OffSheet, b.field, E::Right});
        if (front && covers(r, stamp)) addOnce(out, {K::StampBox, b.field});
        if (!isPostal(b.field) &&
            ((front && covers(r, recipientBoxes)) || (back && covers(r, senderBoxes))))
            addOnce(out, {K::PostalBoxes, b.field});
        for (size_t j = 0; j < i; ++j) {
            const FieldBox& a = boxes[j];
            if (a.field != b.field && covers(a.rect, r))
                addOnce(out, {K::Covers, b.field, E::Bottom, a.field});
        }
    }
    return out;
}

QString overflowMessage(const Overflow& o, int mediaKind) {
    const QString field = addressFieldName(o.field);
    const std::optional<MediaKind> kind = mediaKindFromIndex(mediaKind);
    const QString sheet = kind && mediaKindInfo(*kind).isEnvelope() ? QStringLiteral("封筒")
                                                                    : QStringLiteral("はがき");
    switch (o.kind) {
        case Overflow::Kind::OffSheet: {
            static const char16_t* const edges[] = {u"下端", u"上端", u"左端", u"右端"};
            return QStringLiteral("%1が%2の%3からはみ出します。")
                .arg(field, sheet, QString::fromUtf16(edges[int(o.edge)]));
        }
        case Overflow::Kind::StampBox:
            return QStringLiteral("%1が切手の欄にかかります。").arg(field);
        case Overflow::Kind::PostalBoxes:
            return QStringLiteral("%1が郵便番号の枠にかかります。").arg(field);
        case Overflow::Kind::Covers:
            return QStringLiteral("%1が%2に重なります。").arg(field, addressFieldName(o.other));
    }
    return QString();
}

QStringList overflowMessages(const AddressSideInput& input) {
    QStringList out;
    for (const Overflow& o : findOverflows(input)) out << overflowMessage(o, input.mediaKind);
    return out;
}

}  // namespace render
