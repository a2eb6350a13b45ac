#include "app/ui/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/page/WindowFonts.h"

namespace app {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Pelcor の使い方"));
    setFont(platform::windowFont(QStringLiteral("ＭＳ Ｐゴシック"), 14));

    HelpBrowser = new QTextBrowser(this);
    HelpBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    // Links to the web go to the user's browser; links inside the
    // document stay here.
    HelpBrowser->setOpenExternalLinks(true);

    auto* contents = new QPushButton(QStringLiteral("目次"), this);
    contents->setObjectName(QStringLiteral("ContentsButton"));
    auto* back = new QPushButton(QStringLiteral("戻る"), this);
    back->setObjectName(QStringLiteral("BackButton"));
    back->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(back, &QPushButton::clicked, HelpBrowser, &QTextBrowser::backward);
    connect(HelpBrowser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(HelpBrowser);
    resize(640, 600);
}

bool HelpWindow::openDocument(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) return false;
    HelpBrowser->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    HelpBrowser->clearHistory();
    showContents();
    return true;
}

void HelpWindow::showContents() {
    const QUrl start = HelpBrowser->source();
    if (start.hasFragment()) {
        QUrl top = start;
        top.setFragment(QString());
        HelpBrowser->setSource(top);
    }
    // The contents list opens the document. (An anchor scroll would wait
    // for the window to show and land a few pixels below the top.)
    HelpBrowser->verticalScrollBar()->setValue(0);
}

}  // namespace app
