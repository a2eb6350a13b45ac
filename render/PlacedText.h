#pragma once
// Which field of the address side a text operation belongs to, and the text
// operations a drawing surface hands to an observer: the overflow report and
// the fitting read them, the recorded page never carries them.

#include <QString>

#include "platform/page/FontRecord.h"

namespace render {

enum class AddressField {
    None,
    Postal,
    Address1,
    Address2,
    Company,
    Title,
    Name,
    Joint,
    SenderAddress1,
    SenderAddress2,
    SenderName,
    SenderJoint,
    SenderPostal,
};

// The field as the user knows it ("住所１", "差出人の氏名", …).
QString addressFieldName(AddressField field);

struct PlacedText {
    AddressField field = AddressField::None;
    int x = 0, y = 0;
    QString text;
    platform::FontRecord font;
};

}  // namespace render
