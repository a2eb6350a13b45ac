#pragma once
// The settings file: the sender's texts, every adjustment field and eight
// choices, kept in the controls while the program runs, read once at start
// and written once at the end.

#include <QString>

#include "app/SettingKeys.h"

class QWidget;

namespace platform {
class Dialogs;
}

namespace app {

// Reads every key into its control; a missing key or value keeps the
// control's present value. Integers are brought into the control's range;
// a choice outside its list leaves nothing selected.
void readSettings(QWidget& window, const QString& path);

// Writes every key from its control and replaces the file in one step.
// On failure shows "<path> に書き込めません" and returns false; the old file
// stays as it was.
bool writeSettings(QWidget& window, const QString& path, platform::Dialogs& dialogs);

}  // namespace app
