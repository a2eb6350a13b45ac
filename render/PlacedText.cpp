#include "render/PlacedText.h"

namespace render {

QString addressFieldName(AddressField field) {
    switch (field) {
        case AddressField::None:
            break;
        case AddressField::Postal:
            return QStringLiteral("郵便番号");
        case AddressField::Address1:
            return QStringLiteral("住所１");
        case AddressField::Address2:
            return QStringLiteral("住所２");
        case AddressField::Company:
            return QStringLiteral("会社名");
        case AddressField::Title:
            return QStringLiteral("役職");
        case AddressField::Name:
            return QStringLiteral("名前");
        case AddressField::Joint:
            return QStringLiteral("連名");
        case AddressField::SenderAddress1:
            return QStringLiteral("差出人の住所１");
        case AddressField::SenderAddress2:
            return QStringLiteral("差出人の住所２");
        case AddressField::SenderName:
            return QStringLiteral("差出人の氏名");
        case AddressField::SenderJoint:
            return QStringLiteral("差出人の連名");
        case AddressField::SenderPostal:
            return QStringLiteral("差出人の郵便番号");
    }
    return QString();
}

}  // namespace render
