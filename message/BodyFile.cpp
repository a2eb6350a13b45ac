#include "message/BodyFile.h"

#include "platform/AtomicFile.h"
#include "platform/Sjis.h"

namespace message {

BodyWriteResult writeBodyFile(const QString& path, const QString& text) {
    QString crlf = text;
    crlf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    BodyWriteResult r;
    r.error = platform::writeFileAtomically(path, platform::Sjis::bytes(crlf));
    r.ok = r.error.isEmpty();
    return r;
}

}  // namespace message
