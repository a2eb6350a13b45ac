#include "platform/ui/AboutDialog.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace platform {

void fillAboutBox(QDialog& box, const QIcon& icon, const QString& name, const QString& comment) {
    auto* picture = new QLabel(&box);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(icon.pixmap(48, 48));
    auto* title = new QLabel(name, &box);
    title->setObjectName(QStringLiteral("ProductName"));
    QFont big = title->font();
    big.setPixelSize(18);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version " PELCOR_VERSION), &box);
    version->setObjectName(QStringLiteral("Version"));
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::hide);
    auto* grid = new QGridLayout(&box);
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1);
    grid->addWidget(version, 1, 1);
    int row = 2;
    if (!comment.isEmpty()) {
        auto* sentence = new QLabel(comment, &box);
        sentence->setObjectName(QStringLiteral("Comments"));
        sentence->setWordWrap(true);
        grid->addWidget(sentence, row++, 0, 1, 2);
    }
    grid->addWidget(ok, row, 0, 1, 2, Qt::AlignHCenter);
}

}  // namespace platform
