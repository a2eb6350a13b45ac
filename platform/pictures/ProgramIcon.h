#pragma once
// The program's own icon (a postcard with a vertical address and the red
// postal-code boxes): the window icon of every window and the picture of the
// about boxes.

#include <QIcon>

namespace platform {

// Built from PNG renditions compiled into the program, so no SVG support is
// needed at run time.
QIcon programIcon();

}  // namespace platform
