#pragma once
// Small writers of WMF and EMF files for the tests: records are appended
// word by word exactly as a metafile stores them.

#include <QByteArray>
#include <QRgb>
#include <QString>
#include <QVector>
#include <cstring>
#include <initializer_list>

namespace testpictures {

inline void put16(QByteArray& b, int v) { b.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); }
inline void put32(QByteArray& b, qint64 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
}
inline void putFloat(QByteArray& b, float f) {
    quint32 bits;
    memcpy(&bits, &f, 4);
    put32(b, bits);
}

class Wmf {
  public:
    // Parameters as 16-bit words, in stored order.
    Wmf& record(int function, std::initializer_list<int> words) {
        return record(function, QVector<int>(words));
    }
    Wmf& record(int function, const QVector<int>& words) {
        QByteArray params;
        for (int w : words) put16(params, w);
        return raw(function, params);
    }
    Wmf& raw(int function, QByteArray params) {
        if (params.size() % 2) params.append('\0');
        put32(records_, 3 + params.size() / 2);
        put16(records_, function);
        records_ += params;
        return *this;
    }
    static QByteArray colour(int r, int g, int b) {
        QByteArray c;
        put32(c, r | (g << 8) | (b << 16));
        return c;
    }
    // Without the placeable header when `inch` is 0.
    QByteArray bytes(int left = 0, int top = 0, int right = 0, int bottom = 0, int inch = 0) const {
        QByteArray out;
        if (inch) {
            put32(out, 0x9AC6CDD7);
            put16(out, 0);
            put16(out, left), put16(out, top), put16(out, right), put16(out, bottom);
            put16(out, inch);
            put32(out, 0);
            put16(out, 0);  // checksum, not checked by readers
        }
        put16(out, 1);
        put16(out, 9);
        put16(out, 0x300);
        put32(out, 9 + records_.size() / 2 + 3);
        put16(out, 16);
        put32(out, 0);
        put16(out, 0);
        out += records_;
        put32(out, 3), put16(out, 0);  // end of file
        return out;
    }

  private:
    QByteArray records_;
};

class Emf {
  public:
    // A record of `type` whose body (after type and size) is `body`.
    Emf& record(int type, const QByteArray& body) {
        put32(records_, type);
        put32(records_, 8 + body.size());
        records_ += body;
        return *this;
    }
    Emf& ints(int type, std::initializer_list<qint64> values) {
        QByteArray body;
        for (qint64 v : values) put32(body, v);
        return record(type, body);
    }
    // Frame in 0.01 mm; the reference device is 96 dpi (960 × 480 pixels on
    // 254 × 127 mm).
    QByteArray bytes(int frameRight, int frameBottom, int boundsRight = 0,
                     int boundsBottom = 0) const {
        QByteArray h;
        put32(h, 1);
        put32(h, 88);
        put32(h, 0), put32(h, 0), put32(h, boundsRight), put32(h, boundsBottom);
        put32(h, 0), put32(h, 0), put32(h, frameRight), put32(h, frameBottom);
        put32(h, 0x464D4520);
        put32(h, 0x10000);
        put32(h, 88 + records_.size() + 20);
        put32(h, 0);
        put16(h, 8), put16(h, 0);
        put32(h, 0), put32(h, 0), put32(h, 0);
        put32(h, 960), put32(h, 480);
        put32(h, 254), put32(h, 127);
        QByteArray out = h + records_;
        put32(out, 14), put32(out, 20), put32(out, 0), put32(out, 16), put32(out, 20);
        return out;
    }

  private:
    QByteArray records_;
};

// A packed 24-bit bitmap, bottom-up, from rows given top first.
inline QByteArray packedDib24(int w, int h, const QVector<QRgb>& topFirst) {
    QByteArray b;
    put32(b, 40), put32(b, w), put32(b, h);
    put16(b, 1), put16(b, 24);
    for (int i = 0; i < 6; ++i) put32(b, 0);
    const int stride = (w * 3 + 3) & ~3;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < w; ++x) {
            const QRgb c = topFirst[y * w + x];
            row.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        b += row;
    }
    return b;
}

}  // namespace testpictures
