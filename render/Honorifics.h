#pragma once
#include <QStringList>

namespace render {

// The honorifics the chooser offers, in order; the user may type another.
inline QStringList honorificItems() {
    return {QStringLiteral("様"), QStringLiteral("殿"),   QStringLiteral("行"),
            QStringLiteral("師"), QStringLiteral("先生"), QStringLiteral("御中")};
}

}  // namespace render
