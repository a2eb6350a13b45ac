#pragma once
// Where Save As starts: the folder "はがき画像" on the user's desktop, and
// the temporary picture "_.bmp" in it that the save dialog shows
// preselected.

#include <QString>

namespace editor {

// The desktop as the desktop environment names it; the home folder when no
// desktop folder exists.
QString desktopFolder();

// "<desktop>/はがき画像/" (with the closing separator).
QString pictureFolder(const QString& desktop);

// "<picture folder>_.bmp".
QString saveDialogTempFile(const QString& pictureFolder);

// Makes the folder (an existing one is fine); the system's reason when that
// fails, else empty.
QString preparePictureFolder(const QString& folder);

// True when the two paths name the same file, whether it exists or not.
bool sameFile(const QString& a, const QString& b);

}  // namespace editor
