#include "app/TAboutBox1.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/ToolbarIcons.h"

namespace app {

TAboutBox1::TAboutBox1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox1"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(toolbarIcon(12).pixmap(32, 32));
    auto* name = new QLabel(QStringLiteral("Pelcor"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version " PELCOR_VERSION), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(name, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(ok, 2, 1, Qt::AlignRight);
}

}  // namespace app
