#include "app/ProgramEntry.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/BarcodeCommand.h"
#include "app/PdfExport.h"
#include "app/PostalCommand.h"
#include "app/PrintCommand.h"
#include "app/TAboutBox1.h"
#include "app/TMirelForm.h"
#include "editor/TAboutBox.h"
#include "editor/TOKBottomDlg.h"
#include "editor/TPictanForm1.h"
#include "platform/AppPaths.h"
#include "platform/FileArguments.h"
#include "platform/ProgramIcon.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrintTarget.h"
#include "platform/QtTranslation.h"

namespace app {
namespace {

const char kUsage[] =
    "Usage: mirel36 [FILE...]\n"
    "\n"
    "Pelcor keeps an address book and prints addresses in vertical Japanese\n"
    "writing on New Year postcards, postcards and envelopes.\n"
    "\n"
    "  FILE         an address book (.csv), a message text (.txt) or a picture\n"
    "               (.jpg, .jpeg, .bmp, .wmf, .emf), opened in turn\n"
    "  --export-pdf OUT.pdf BOOK.csv [--kind N] [--rows A-B] [--marks] [--back]\n"
    "               write the address side of every record (or of rows A to B)\n"
    "               to OUT.pdf, one page per card at its real size, with the\n"
    "               kind, face, honorific, sender and adjustments of the\n"
    "               settings file; --kind chooses the kind (0 New Year card,\n"
    "               1 postcard, 2 長3, 3 長4, 4 洋1, 5 洋2 envelope), --marks\n"
    "               draws the preprinted boxes too, for checking on plain paper;\n"
    "               --back writes the sender side of an envelope instead;\n"
    "               BOOK may also be UTF-8/UTF-16 CSV with a header, or vCard (.vcf)\n"
    "  --export-pdf OUT.pdf BODY.txt [PICTURE]\n"
    "               write the message side of a postcard: the text of BODY.txt\n"
    "               over the picture (.jpg, .jpeg, .bmp, .wmf, .emf), with the\n"
    "               card kind, face and adjustments of the settings file\n"
    "  --print BOOK.csv [--printer NAME] [--kind N] [--rows A-B] [--marks] [--back]\n"
    "               print the address side of every record (or of rows A to B)\n"
    "               on NAME (else the system's default printer), on the card's\n"
    "               own paper, with the settings file's choices, the paper kept\n"
    "               for that printer and its 印刷位置の調整; the options as above\n"
    "  --print BODY.txt [PICTURE] [--printer NAME]\n"
    "               print the message side of a postcard the same way\n"
    "  --postal [--reading] CODE|ADDRESS\n"
    "               look up the postal-code dictionary: the address(es) of a\n"
    "               seven-digit code, or the code(s) of an address, best first;\n"
    "               --reading prints the readings in hiragana; exit status 0\n"
    "               when found, 1 when not, 3 when the dictionary is unreadable\n"
    "  --barcode CODE ADDRESS\n"
    "               the customer barcode's data of an address: the code and\n"
    "               address number, then the 21 symbols; exit status 1 when the\n"
    "               address cannot be split at its town\n"
    "  --help       show this text\n"
    "  --version    show the version\n";

// Qt's own remarks while exporting (a missing runtime folder, say) are kept
// back: a command that succeeds prints nothing, one that fails prints them
// after its reason.
QStringList& heldMessages() {
    static QStringList messages;
    return messages;
}

void holdMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    heldMessages().append(text);
}

void printHeldMessages() {
    for (const QString& text : heldMessages()) std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Writes a PDF without any window, so it runs where there is no display.
int runPdfExport(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(holdMessage);
    PdfExportRequest request;
    QString error;
    // Arguments as the system names files (Qt's own list is UTF-8 only).
    const bool parsed = parsePdfExport(platform::fileArguments(argc, argv), request, error);
    // The address sides are laid out from the font files alone and need no
    // GUI, whose start costs more than a hundred cards. A message side may
    // carry a metafile whose text Qt's painter draws, which does.
    const bool messageSide = parsed && request.side == CardSide::Message;
    const std::unique_ptr<QCoreApplication> application(
        messageSide ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    if (!parsed) {
        std::fprintf(stderr, "mirel36: %s\n使い方は mirel36 --help で表示します。\n",
                     qPrintable(error));
        printHeldMessages();
        return 2;
    }
    request.settingsFile = platform::AppPaths::settingsFile();
    QStringList notes;
    error = exportPdf(request, &notes);
    for (const QString& note : notes) std::fprintf(stderr, "mirel36: 注意: %s\n", qPrintable(note));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "mirel36: %s\n", qPrintable(error));
        printHeldMessages();
        return 1;
    }
    return 0;
}

}  // namespace

int runProgram(int argc, char** argv) {
    // Options that need no display are answered before Qt starts.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("mirel36 (Pelcor) %s\n", PELCOR_VERSION);
            return 0;
        }
    }

    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--export-pdf") == 0) return runPdfExport(argc, argv);
        if (std::strcmp(argv[i], "--postal") == 0) return runPostalCommand(argc, argv);
        if (std::strcmp(argv[i], "--barcode") == 0) return runBarcodeCommand(argc, argv);
        if (std::strcmp(argv[i], "--print") == 0) return runPrintCommand(argc, argv);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelcor"));
    QApplication::setApplicationVersion(QStringLiteral(PELCOR_VERSION));
    // Matches the installed desktop entry, so the desktop shows our icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.pelcor.Pelcor"));
    QApplication::setWindowIcon(platform::programIcon());
    // Dates, sizes and file types in the file dialog in Japanese too, whatever
    // the session's locale; without the translation Qt's own buttons and
    // dialogs stay English and the program works the same.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    platform::installQtTranslation(application);
    application.setProperty("helpFile",
                            platform::AppPaths::resourcePath(QStringLiteral("help/index.html")));

    // What Qt has not taken as its own options, as the system names files.
    QStringList files = platform::fileArguments(argc, argv);
    files.removeFirst();

    platform::QtDialogs dialogs;
    platform::QtPrintTarget printer;
    // Created in this order; only the main window is shown. All live until
    // the message loop ends.
    auto mainWindow = std::make_unique<TMirelForm>(dialogs, printer, files);
    auto pictan = std::make_unique<editor::TPictanForm1>(dialogs, printer, files);
    auto pictanAbout = std::make_unique<editor::TAboutBox>();
    auto resize = std::make_unique<editor::TOKBottomDlg>(*pictan, dialogs);
    pictan->setCompanions(pictanAbout.get(), resize.get());
    auto about = std::make_unique<TAboutBox1>(mainWindow.get());
    mainWindow->setCompanions(pictan.get(), about.get());

    // Closing the main window ends the program, whatever else is open: its
    // close query has settled every unsaved document, the editor's picture
    // included. exit() rather than quit(), which would ask every window to
    // close again and stop at the first that refused, leaving a process
    // with no window.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(mainWindow.get(), &TMirelForm::formClosed, &application,
                     [] { QCoreApplication::exit(0); });

    mainWindow->show();
    const int status = application.exec();
    about.reset();
    resize.reset();
    pictanAbout.reset();
    pictan.reset();
    mainWindow.reset();
    return status;
}

}  // namespace app
