#include "platform/files/FileArguments.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>

#include "platform/text/Sjis.h"

namespace platform {
namespace {

QHash<QString, QByteArray>& rememberedNames() {
    static QHash<QString, QByteArray> names;
    return names;
}

}  // namespace

QString fileArgument(const char* bytes) {
    const QByteArray raw(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString name = utf8(raw);
    if (!utf8.hasError()) return name;
    const QString shown = Sjis::decode(raw);
    rememberedNames().insert(shown, raw);
    return shown;
}

QStringList fileArguments(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i) list << fileArgument(argv[i]);
    return list;
}

QByteArray nativeFileName(const QString& path) {
    const auto it = rememberedNames().constFind(path);
    return it != rememberedNames().constEnd() ? *it : QFile::encodeName(path);
}

}  // namespace platform
