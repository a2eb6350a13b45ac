#include "book/ui/FieldStyle.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "platform/ui/Hint.h"

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
            field->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhPreferNumbers |
                                       Qt::ImhNoPredictiveText);
            field->setProperty("imeMode", QStringLiteral("off"));
            QFont bold = field->font();
            bold.setBold(true);
            field->setFont(bold);
            break;
        }
    }
}

void keepOnOneLine(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
        if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) return;
        QString one = text;
        one.replace(QLatin1String("\r\n"), QLatin1String(" "));
        one.replace(QLatin1Char('\r'), QLatin1Char(' '));
        one.replace(QLatin1Char('\n'), QLatin1Char(' '));
        const int caret = field->cursorPosition() - int(text.size() - one.size());
        field->setText(one);
        field->setCursorPosition(std::max(0, caret));
    });
}

QLineEdit* makeField(QWidget* page, const char* name, const char16_t* hint, InputKind kind) {
    auto* e = new QLineEdit(page);
    e->setObjectName(QLatin1String(name));
    platform::applyHint(e, QString::fromUtf16(hint));
    styleField(e, kind);
    keepOnOneLine(e);
    e->installEventFilter(page);
    return e;
}

QPlainTextEdit* makeHelpPanel(QWidget* page, const char* name) {
    auto* panel = new QPlainTextEdit(page);
    panel->setObjectName(QLatin1String(name));
    panel->setReadOnly(true);
    // Read, never edited: no caret, no focus.
    panel->setTextInteractionFlags(Qt::NoTextInteraction);
    panel->setFocusPolicy(Qt::NoFocus);
    panel->setContextMenuPolicy(Qt::NoContextMenu);
    panel->setLineWrapMode(QPlainTextEdit::NoWrap);
    return panel;
}

void setBlackDisplay(QWidget* display, const QColor& colour) {
    QPalette p = display->palette();
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::Text, colour);
    display->setPalette(p);
}

void showHelp(QPlainTextEdit* panel, const char16_t* text, const QColor& colour) {
    setBlackDisplay(panel, colour);
    panel->setPlainText(QString::fromUtf16(text));
}

}  // namespace book
