#include "message/BodyFile.h"

#include "book/exchange/TextEncoding.h"
#include "platform/files/AtomicFile.h"
#include "platform/files/BoundedRead.h"
#include "platform/text/Sjis.h"

namespace message {

QByteArray bodyFileBytes(const QString& text) {
    QString crlf = text;
    crlf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    crlf.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const platform::SjisEncoded cp932 = platform::Sjis::encode(crlf);
    return cp932.ok() ? cp932.bytes : crlf.toUtf8();
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
    const book::TextEncoding encoding = book::detectTextEncoding(file.bytes);
    QString text = encoding == book::TextEncoding::Cp932 ? platform::Sjis::decode(file.bytes)
                                                         : book::decodeText(file.bytes, encoding);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    r.text = text;
    r.foreign = encoding != book::TextEncoding::Cp932;
    r.encoding = book::encodingName(encoding);
    r.ok = true;
    return r;
}

}  // namespace message
