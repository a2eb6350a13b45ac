#include "book/FieldStyle.h"

#include <QWidget>

namespace book {

void styleField(QWidget* field, InputKind kind) {
    field->setContextMenuPolicy(Qt::NoContextMenu);
    switch (kind) {
        case InputKind::Japanese:
            // Qt has no hiragana hint; asking for no Latin-only restriction
            // leaves the input method free to start in Japanese mode.
            field->setInputMethodHints(Qt::ImhNone);
            field->setProperty("imeMode", QStringLiteral("hiragana"));
            break;
        case InputKind::Free:
            field->setInputMethodHints(Qt::ImhNone);
            break;
        case InputKind::Digits: {
            field->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText);
            field->setProperty("imeMode", QStringLiteral("off"));
            QFont bold = field->font();
            bold.setBold(true);
            field->setFont(bold);
            break;
        }
    }
}

}  // namespace book
