#include "app/ui/ToolbarIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "platform/page/WindowFonts.h"

namespace app {
namespace {

struct Tile {
    const char16_t* glyph;
    QRgb colour;
};

constexpr QRgb kFile = 0xff2f6db5;  // blue: files and printing
constexpr QRgb kRows = 0xff2e8b57;  // green: address rows
constexpr QRgb kText = 0xffc0572b;  // vermilion: body text
constexpr QRgb kHelp = 0xff7a5aa6;  // violet: help and tools

const Tile kTiles[kToolbarImageCount] = {
    {u"開", kFile}, {u"新", kFile}, {u"保", kFile}, {u"印", kFile}, {u"挿", kRows}, {u"削", kRows},
    {u"編", kRows}, {u"番", kRows}, {u"全", kRows}, {u"表", kFile}, {u"順", kRows}, {u"逆", kRows},
    {u"〒", kRows}, {u"〒", kRows}, {u"写", kText}, {u"切", kText}, {u"貼", kText}, {u"？", kHelp},
    {u"例", kHelp}, {u"画", kHelp}, {u"色", kHelp}, {u"回", kHelp}, {u"絵", kHelp},
};

void drawTile(QPainter& p, const QRectF& area, int index, bool enabled) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const Tile& t = kTiles[index];
    const qreal size = std::min(area.width(), area.height());
    const QRectF box(area.x() + 0.5, area.y() + 0.5, size - 1.0, size - 1.0);
    // Disabled commands show a grey tile, as the tool bar greys its pictures.
    const QColor colour = enabled ? QColor(t.colour) : QColor(0xa8, 0xa8, 0xa8);
    p.setPen(colour.darker(140));
    p.setBrush(colour);
    p.drawRoundedRect(box, size / 5.0, size / 5.0);
    QFont f = platform::windowFont(QStringLiteral("ＭＳ ゴシック"), int(size * 0.72));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, QString::fromUtf16(t.glyph));
    // The hyphen pair differs by a small bar under the mark.
    if (index == 13)
        p.fillRect(QRectF(box.x() + size * 0.3, box.y() + size * 0.8, size * 0.4, size * 0.09),
                   Qt::white);
    p.restore();
}

// Draws a tile when it is needed, at the size asked for, so start-up pays
// for none of them.
class TileEngine : public QIconEngine {
  public:
    explicit TileEngine(int index) : index_(index) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        drawTile(*painter, rect, index_, mode != QIcon::Disabled);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }
    QIconEngine* clone() const override { return new TileEngine(index_); }

  private:
    int index_;
};

}  // namespace

QIcon toolbarIcon(int index) {
    if (index < 0 || index >= kToolbarImageCount) return QIcon();
    return QIcon(new TileEngine(index));
}

}  // namespace app
