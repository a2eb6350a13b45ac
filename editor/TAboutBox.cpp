#include "editor/TAboutBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "editor/EditorIcons.h"
#include "platform/WindowFonts.h"

namespace editor {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFont(platform::windowFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(editorIcon(EditorIcon::Pen).pixmap(32, 32));
    auto* name = new QLabel(QStringLiteral("Pictan"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setPixelSize(18);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version " PELCOR_VERSION), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* comments = new QLabel(QStringLiteral("はがき用のシンプルな画像を作成したり既存の画像を編集する事ができます"), this);
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setWordWrap(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(name, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(comments, 2, 0, 1, 2);
    grid->addWidget(ok, 3, 0, 1, 2, Qt::AlignHCenter);
    setFixedWidth(300);
}

}  // namespace editor
