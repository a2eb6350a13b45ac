#pragma once
#include <QIcon>

namespace app {

constexpr int kToolbarImageCount = 23;

// Image `index` of the tool bar's image list: a small tile with a kanji that
// names the command, coloured by its group (files, rows, text, help).
QIcon toolbarIcon(int index);

}  // namespace app
