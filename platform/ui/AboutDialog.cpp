#include "platform/ui/AboutDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace platform {

AboutDialog::AboutDialog(const AboutText& text, const QIcon& icon, QWidget* parent)
    : QDialog(parent) {
    setObjectName(text.objectName);
    setWindowTitle(QStringLiteral("バージョン情報"));
    if (text.font) setFont(*text.font);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(icon.pixmap(48, 48));
    auto* title = new QLabel(text.programName, this);
    title->setObjectName(QStringLiteral("ProductName"));
    QFont big = title->font();
    big.setPixelSize(18);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version " PELCOR_VERSION), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    // Shown modeless: OK only hides it, to be shown again later.
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
    auto* grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1);
    grid->addWidget(version, 1, 1);
    int row = 2;
    if (!text.comment.isEmpty()) {
        auto* sentence = new QLabel(text.comment, this);
        sentence->setObjectName(QStringLiteral("Comments"));
        sentence->setWordWrap(true);
        grid->addWidget(sentence, row++, 0, 1, 2);
    }
    grid->addWidget(ok, row, 0, 1, 2, Qt::AlignHCenter);
    if (text.fixedWidth > 0) setFixedWidth(text.fixedWidth);
}

}  // namespace platform
