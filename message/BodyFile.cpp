#include "message/BodyFile.h"

#include <QSaveFile>

#include "platform/Sjis.h"

namespace message {

BodyWriteResult writeBodyFile(const QString& path, const QString& text) {
    BodyWriteResult r;
    QString crlf = text;
    crlf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        r.error = file.errorString();
        return r;
    }
    const QByteArray bytes = platform::Sjis::bytes(crlf);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        r.error = file.errorString();
        return r;
    }
    r.ok = true;
    return r;
}

}  // namespace message
