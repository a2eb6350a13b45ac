#include "app/ui/ProgramAboutDialog.h"

#include "platform/pictures/ProgramIcon.h"
#include "platform/ui/AboutDialog.h"

namespace app {

TAboutBox1::TAboutBox1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox1"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    platform::fillAboutBox(*this, platform::programIcon(), QStringLiteral("Pelcor"));
}

}  // namespace app
