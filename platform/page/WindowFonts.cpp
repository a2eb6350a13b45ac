#include "platform/page/WindowFonts.h"

namespace platform {

QString familyFor(const QString& windowsFace) {
    // Compare without the spaces: the designs write both "ＭＳ ゴシック" and
    // "ＭＳ　ゴシック".
    QString key = windowsFace;
    key.remove(QChar(u' ')).remove(QChar(u'\u3000')).remove(QChar(u'@'));
    if (key == u"ＭＳＰゴシック") return QStringLiteral("IPAPGothic");
    if (key == u"ＭＳゴシック") return QStringLiteral("IPAGothic");
    if (key == u"ＭＳＰ明朝") return QStringLiteral("IPAPMincho");
    if (key == u"ＭＳ明朝") return QStringLiteral("IPAMincho");
    return windowsFace;
}

QFont windowFont(const QString& windowsFace, int pixelSize) {
    QFont f(familyFor(windowsFace));
    f.setPixelSize(pixelSize);
    return f;
}

}  // namespace platform
