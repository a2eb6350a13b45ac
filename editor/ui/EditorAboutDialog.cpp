#include "editor/ui/EditorAboutDialog.h"

#include "platform/page/WindowFonts.h"
#include "platform/pictures/ProgramIcon.h"
#include "platform/ui/AboutDialog.h"

namespace editor {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFont(platform::windowFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    platform::fillAboutBox(
        *this, platform::programIcon(), QStringLiteral("Pictan"),
        QStringLiteral("はがき用のシンプルな画像を作成したり既存の画像を編集する事ができます"));
    setFixedWidth(300);
}

}  // namespace editor
