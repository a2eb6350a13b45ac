#pragma once
// How the entry and sender fields take their input: Japanese text through
// the input method, or digits with the input method off (shown bold).

class QWidget;

namespace book {

enum class InputKind {
    Japanese,  // the input method in hiragana mode
    Free,      // the input method as the user left it
    Digits,    // no input method; bold
};

void styleField(QWidget* field, InputKind kind);

}  // namespace book
