#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "platform/WindowFonts.h"

namespace app {
namespace {

struct Tile {
    const char16_t* glyph;
    QRgb colour;
};

constexpr QRgb kFile = 0xff2f6db5;   // blue: files and printing
constexpr QRgb kRows = 0xff2e8b57;   // green: address rows
constexpr QRgb kText = 0xffc0572b;   // vermilion: body text
constexpr QRgb kHelp = 0xff7a5aa6;   // violet: help and tools

const Tile kTiles[kToolbarImageCount] = {
    {u"開", kFile}, {u"新", kFile}, {u"保", kFile}, {u"印", kFile}, {u"挿", kRows},
    {u"削", kRows}, {u"編", kRows}, {u"番", kRows}, {u"全", kRows}, {u"表", kFile},
    {u"順", kRows}, {u"逆", kRows}, {u"〒", kRows}, {u"〒", kRows}, {u"写", kText},
    {u"切", kText}, {u"貼", kText}, {u"？", kHelp}, {u"例", kHelp}, {u"画", kHelp},
    {u"色", kHelp}, {u"回", kHelp}, {u"絵", kHelp},
};

QPixmap drawTile(int index, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const Tile& t = kTiles[index];
    const QRectF box(0.5, 0.5, size - 1.0, size - 1.0);
    p.setPen(QColor(t.colour).darker(140));
    p.setBrush(QColor(t.colour));
    p.drawRoundedRect(box, size / 5.0, size / 5.0);
    QFont f = platform::windowFont(QStringLiteral("ＭＳ ゴシック"), int(size * 0.72));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, QString::fromUtf16(t.glyph));
    // The hyphen pair differs by a small bar under the mark.
    if (index == 13) p.fillRect(QRectF(size * 0.3, size * 0.8, size * 0.4, size * 0.09), Qt::white);
    return pm;
}

}  // namespace

QIcon toolbarIcon(int index) {
    if (index < 0 || index >= kToolbarImageCount) return QIcon();
    QIcon icon;
    for (int size : {16, 24, 32}) icon.addPixmap(drawTile(index, size));
    return icon;
}

}  // namespace app
