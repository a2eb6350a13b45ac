#include "cli/printer/PrintCommand.h"

#include <QGuiApplication>
#include <cstdio>

#include "cli/CardPrinting.h"
#include "platform/files/AppPaths.h"
#include "platform/files/FileArguments.h"
#include "platform/printer/QtPrintTarget.h"

namespace app {

int runPrintCommand(int argc, char** argv) {
    // Printing lays pages out and hands them to CUPS: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrintRequest request;
    QString error;
    // Arguments as the system names files (Qt's own list is UTF-8 only).
    const bool parsed = parsePrintRequest(platform::fileArguments(argc, argv), request, error);
    QGuiApplication application(argc, argv);
    if (!parsed) {
        std::fprintf(stderr, "mirel36: %s\n（mirel36 --help で使い方を表示します）\n",
                     qPrintable(error));
        return 2;
    }
    request.settingsFile = platform::AppPaths::settingsFile();
    platform::QtPrintTarget printer;
    error = printCards(printer, request);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "mirel36: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

}  // namespace app
