#include "app/TAboutBox1.h"

#include "app/ToolbarIcons.h"
#include "platform/AboutBox.h"

namespace app {

TAboutBox1::TAboutBox1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox1"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    platform::fillAboutBox(*this, toolbarIcon(12), QStringLiteral("Pelcor"));
}

}  // namespace app
