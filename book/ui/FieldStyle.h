#pragma once
// How the entry and sender fields take their input: Japanese text through
// the input method, or digits with the input method off (shown bold).

class QColor;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace book {

enum class InputKind {
    Japanese,  // the input method in hiragana mode
    Free,      // the input method as the user left it
    Digits,    // no input method; bold
};

void styleField(QWidget* field, InputKind kind);

// Replaces every line break typed or pasted into `field` with a blank: a cell
// or setting holding one would split its record or line in the file.
void keepOnOneLine(QLineEdit* field);

// A named input field of `page` with its hint, kept on one line; `page`
// filters its keys (the Enter walk).
QLineEdit* makeField(QWidget* page, const char* name, const char16_t* hint, InputKind kind);

// A read-only help panel with black background and no caret.
QPlainTextEdit* makeHelpPanel(QWidget* page, const char* name);
// Black background, `colour` text: the pages' help and status displays.
void setBlackDisplay(QWidget* display, const QColor& colour);
void showHelp(QPlainTextEdit* panel, const char16_t* text, const QColor& colour);

}  // namespace book
