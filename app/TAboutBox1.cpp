#include "app/TAboutBox1.h"

#include "platform/AboutBox.h"
#include "platform/ProgramIcon.h"

namespace app {

TAboutBox1::TAboutBox1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox1"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    platform::fillAboutBox(*this, platform::programIcon(), QStringLiteral("Pelcor"));
}

}  // namespace app
