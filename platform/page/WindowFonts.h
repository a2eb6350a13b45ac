#pragma once
// The Windows face names the windows are designed with, mapped to the
// Japanese fonts installed here.

#include <QFont>
#include <QString>

namespace platform {

// "ＭＳ Ｐゴシック" → IPAPGothic, "ＭＳ ゴシック" → IPAGothic, "ＭＳ 明朝" →
// IPAMincho; anything else is looked up as it is. Size in pixels.
QFont windowFont(const QString& windowsFace, int pixelSize);

// The installed family that stands in for a Windows face name.
QString familyFor(const QString& windowsFace);

}  // namespace platform
