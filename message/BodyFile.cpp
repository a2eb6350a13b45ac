#include "message/BodyFile.h"

#include "platform/AtomicFile.h"
#include "platform/BoundedRead.h"
#include "platform/Sjis.h"

namespace message {

QByteArray bodyFileBytes(const QString& text) {
    QString crlf = text;
    crlf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    crlf.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return platform::Sjis::bytes(crlf);
}

QVector<QString> unmappableInBody(const QString& text) {
    QVector<QString> out;
    for (const QString& c : platform::Sjis::encode(text).unmappable)
        if (!out.contains(c)) out.append(c);
    return out;
}

BodyWriteResult writeBodyFile(const QString& path, const QString& text) {
    BodyWriteResult r;
    r.error = platform::writeFileAtomically(path, bodyFileBytes(text));
    r.ok = r.error.isEmpty();
    return r;
}

BodyReadResult readBodyFile(const QString& path) {
    BodyReadResult r;
    const platform::FileBytes file = platform::readRegularFile(path, kMaxBodyFileBytes);
    if (!file.ok()) {
        r.error = file.error == platform::tooLargeReason(kMaxBodyFileBytes)
                      ? QStringLiteral("文書が大きすぎます（%1 バイトまで）").arg(kMaxBodyFileBytes)
                      : file.error;
        return r;
    }
    QString text = platform::Sjis::decode(file.bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    r.text = text;
    r.ok = true;
    return r;
}

}  // namespace message
