#pragma once
// Files dropped anywhere on the main window are opened. Text fields would
// take such a drop first and paste the file's address as text; a filter on
// the window's children hands the files to the window instead and leaves
// drops of plain text to the field.

#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

namespace app {

// The local files a drag carries, in order; empty when it carries none.
QStringList droppedFiles(const QMimeData* data);

// Installs the filter on the children `window` has now.
void routeFileDrops(QWidget* window, std::function<void(const QStringList&)> open);

}  // namespace app
