#include "editor/EditorWindows.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace editor {

TPictanForm1::TPictanForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TPictanForm1"));
    setWindowTitle(QStringLiteral(" Pictan   Zandor     　新規画像"));
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Pictan"), this));
    layout->addWidget(new QLabel(QStringLiteral("Version " PELCOR_VERSION), this));
    layout->addWidget(
        new QLabel(QStringLiteral("はがき用のシンプルな画像を作成したり既存の画像を編集する事ができます"), this));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
    layout->addWidget(ok);
}

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TOKBottomDlg"));
    setWindowTitle(QStringLiteral("　Pictan　　Zandor　　　拡大・縮小"));
    setFixedSize(532, 232);
}

}  // namespace editor
