#pragma once
// Where the program keeps its files. A portable copy keeps everything beside
// the executable when that folder is writable; an installed one uses the XDG
// folders of the user.

#include <QString>

namespace platform {
namespace AppPaths {

QString executableFolder();

// True when the executable sits in an installed layout: bin/ with
// share/pelcor/ beside it.
bool isInstalled();

// Folder holding the settings file: the executable's folder when writable
// and not installed, otherwise $XDG_CONFIG_HOME/pelcor.
QString configFolder();
// Folder in which "住所録" and "本文" are made: the executable's folder when
// writable and not installed, otherwise $XDG_DATA_HOME/pelcor.
QString dataFolder();

// The "住所録" folder made there: where the address-book dialogs start
// before a book is open.
QString addressBookFolder();

// Full path of the settings file "mirel36.ini".
QString settingsFile();

// Where shipped resources (help, sample text, icons) are found.
QString resourceFolder();
QString resourcePath(const QString& relative);

// Tests and the command line may put everything in one folder of their choice.
// An empty path goes back to the rules above.
void setOverrideFolder(const QString& folder);

}  // namespace AppPaths
}  // namespace platform
