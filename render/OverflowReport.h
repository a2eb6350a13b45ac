#pragma once
// What of one card's address side does not fit: each field that leaves the
// sheet, runs into the stamp box or the postal-code boxes, or covers another
// field, measured from the text the renderer places (as the preview, the
// printer and the PDF draw it).

#include <QString>
#include <QStringList>
#include <vector>

#include "render/AddressSideInput.h"
#include "render/PlacedText.h"

namespace render {

struct Overflow {
    enum class Kind { OffSheet, StampBox, PostalBoxes, Covers };
    enum class Edge { Bottom, Top, Left, Right };
    Kind kind = Kind::OffSheet;
    AddressField field = AddressField::None;
    Edge edge = Edge::Bottom;                 // OffSheet
    AddressField other = AddressField::None;  // Covers
    bool operator==(const Overflow& o) const {
        return kind == o.kind && field == o.field && edge == o.edge && other == o.other;
    }
};

// Every problem of the card once, in drawing order of the fields; none for a
// kind index outside the list.
std::vector<Overflow> findOverflows(const AddressSideInput& input);

// One sentence per problem ("住所１がはがきの下端からはみ出します。").
QString overflowMessage(const Overflow& overflow, int mediaKind);
QStringList overflowMessages(const AddressSideInput& input);

}  // namespace render
