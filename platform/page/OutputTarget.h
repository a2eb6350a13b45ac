#pragma once
// Where a drawn page will finally be shown: the screen's preview (with the
// marks only the screen shows) or the printer (and the PDF file, which
// prints the same).

namespace platform {

enum class OutputTarget { Screen, Printer };

}  // namespace platform
