#pragma once
// The settings file and the main window: the sender's texts, every
// adjustment field and the choices, kept in the controls while the program
// runs, read once at start and written once at the end.

#include <QString>

#include "settings/ProgramSettings.h"
#include "settings/SettingKeys.h"

namespace platform {
class Dialogs;
}

namespace app {

class MainWindow;

// Reads the file into the controls; a missing key or value keeps the
// control's present value.
void readSettings(MainWindow& window, const QString& path);

// Writes every key from the controls and replaces the file in one step.
// On failure shows "<path> に書き込めません" and returns false; the old file
// stays as it was.
bool writeSettings(MainWindow& window, const QString& path, platform::Dialogs& dialogs);

}  // namespace app
