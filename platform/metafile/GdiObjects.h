#pragma once
// The drawing objects a metafile creates, selects and deletes, and the table
// that holds them by index. Internal to the metafile player.

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>
#include <functional>
#include <queue>
#include <vector>

namespace platform {

struct GdiPen {
    int style = 0;     // low byte: solid, dash, dot, dash-dot, dash-dot-dot, null, inside frame
    double width = 0;  // logical units; 0 is one device pixel
    QColor colour = Qt::black;
    int endCap = 0;  // PS_ENDCAP_* bits >> 8 (0 round, 1 square, 2 flat)
    int join = 0;    // PS_JOIN_* bits >> 12 (0 round, 1 bevel, 2 miter)
    bool isNull() const { return (style & 0xff) == 5; }
};

struct GdiBrush {
    enum Style { Solid = 0, Null = 1, Hatched = 2, Pattern = 3 };
    int style = Solid;
    int hatch = 0;  // HS_HORIZONTAL .. HS_DIAGCROSS
    QColor colour = Qt::white;
    QImage pattern;  // for pattern brushes
    bool isNull() const { return style == Null; }
};

struct GdiFont {
    double height = 0;   // < 0: character height, > 0: cell height, 0: default
    double width = 0;    // average character width, 0: natural
    int escapement = 0;  // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 1;  // DEFAULT_CHARSET
    int pitchAndFamily = 0;
    QString face;
};

struct GdiObject {
    enum Kind { Empty, Pen, Brush, Font, Other };
    Kind kind = Empty;
    GdiPen pen;
    GdiBrush brush;
    GdiFont font;
};

// Objects by index. Metafiles written by a sloppy program may declare fewer
// handles than they use, so the table grows on demand up to a fixed cap.
class GdiObjectTable {
  public:
    static constexpr int kMaxObjects = 65536;

    // The object at `index`, or nullptr when the index is out of range.
    const GdiObject* at(qint64 index) const {
        return (index >= 0 && index < qint64(objects_.size())) ? &objects_[size_t(index)] : nullptr;
    }
    // Stores at an explicit index (enhanced metafiles); false when out of range.
    bool put(qint64 index, GdiObject object) {
        if (index < 0 || index >= kMaxObjects) return false;
        if (index >= qint64(objects_.size())) objects_.resize(size_t(index) + 1);
        objects_[size_t(index)] = std::move(object);
        return true;
    }
    // Stores in the lowest free slot (Windows metafiles number objects so).
    bool add(GdiObject object) {
        while (scanned_ < objects_.size() && objects_[scanned_].kind != GdiObject::Empty)
            ++scanned_;
        while (!freed_.empty() && objects_[freed_.top()].kind != GdiObject::Empty)
            freed_.pop();  // refilled since it was freed
        size_t slot = scanned_;
        if (!freed_.empty() && freed_.top() < slot) {
            slot = freed_.top();
            freed_.pop();
        }
        if (slot >= size_t(kMaxObjects)) return false;
        if (slot >= objects_.size()) objects_.resize(slot + 1);
        objects_[slot] = std::move(object);
        return true;
    }
    void remove(qint64 index) {
        if (index < 0 || index >= qint64(objects_.size())) return;
        if (objects_[size_t(index)].kind == GdiObject::Empty) return;
        objects_[size_t(index)] = GdiObject();
        freed_.push(size_t(index));
    }

  private:
    std::vector<GdiObject> objects_;
    std::priority_queue<size_t, std::vector<size_t>, std::greater<size_t>> freed_;
    size_t scanned_ = 0;  // every slot below is in use or listed in freed_
};

}  // namespace platform
