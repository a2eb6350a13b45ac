#pragma once
// File names from the command line. Qt reads arguments and file names as
// UTF-8, so a file whose name is in another encoding (CP932 from a Windows
// archive, say) could not be named at all. Such an argument is shown decoded
// as CP932 and keeps its bytes, which the program's own file reading and
// writing use to reach the file.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// The argument as a name to show and to pass around; remembers the bytes of
// one that is not UTF-8.
QString fileArgument(const char* bytes);
QStringList fileArguments(int argc, char** argv);

// The bytes the system knows `path` by: those it was given with on the
// command line, or its UTF-8 form.
QByteArray nativeFileName(const QString& path);

}  // namespace platform
