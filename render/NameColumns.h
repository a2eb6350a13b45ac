#pragma once
// A name and its joint name (連名) side by side in the current font, each
// followed by a half-width space and the honorific.
//
// Classic: both columns start at the same height and each is one text, so an
// honorific ends up wherever its own name ends.
// Aligned to the given name: the joint name starts beside the given name (the
// text after the name's ideographic space), each honorific is its own text,
// and both honorifics stand on one line below the longer of the two; the
// joint column keeps at least a quarter of the font height clear of the name.

#include <QString>
#include <optional>

#include "platform/page/FontRecord.h"
#include "render/PlacedText.h"
#include "render/Typesetting.h"

namespace render {

class FieldPlacer;

struct NameColumns {
    long long nameX = 0;   // top-right corner of the name's column
    long long jointX = 0;  // where the classic placement puts the joint name
    long long y = 0;       // top of both columns
    QString name;          // as drawn (already converted)
    QString joint;
    std::optional<QString> honorific;  // none in the sender block
    AddressField nameField = AddressField::None;
    AddressField jointField = AddressField::None;
};

// Draws with the surface's current (vertical) font; empty names draw nothing.
// Fitted, the two columns and their honorifics keep one style, so the
// honorifics stay level; aligned to the given name, a joint name with a
// family name of its own starts level with the name's family name.
void placeNameColumns(FieldPlacer& placer, const NameColumns& names, JointAlign align);

// The length along the column of `text` in `font`, in page units, rounded.
int columnLength(const platform::FontRecord& font, const QString& text);

}  // namespace render
