#include "app/ui/ProgramEntry.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/ui/MainWindow.h"
#include "cli/BarcodeCommand.h"
#include "cli/PdfExport.h"
#include "cli/PostalCommand.h"
#include "cli/printer/PrintCommand.h"
#include "editor/ui/PictureEditorWindow.h"
#include "editor/ui/ResizePictureDialog.h"
#include "platform/files/AppPaths.h"
#include "platform/files/FileArguments.h"
#include "platform/pictures/ProgramIcon.h"
#include "platform/printer/QtPrintTarget.h"
#include "platform/text/QtTranslation.h"
#include "platform/ui/AboutDialog.h"
#include "platform/ui/QtDialogs.h"

namespace app {
namespace {

const char kUsage[] =
    "使い方: mirel36 [ファイル...]\n"
    "\n"
    "Pelcor（ペルコール）は住所録を管理し、年賀ハガキ・ハガキ・封筒に\n"
    "宛名を縦書きで印刷します。\n"
    "\n"
    "  ファイル     住所録（.csv）、本文（.txt）、画像（.jpg .jpeg .bmp .wmf .emf）を\n"
    "               順に開きます\n"
    "  --export-pdf 出力.pdf 住所録.csv [--kind N] [--rows A-B] [--marks] [--back]\n"
    "               全部の宛名（または A～B 件目）の宛名面を、1 件 1 ページ、実物大の\n"
    "               PDF にします。種類・書体・敬称・差出人・位置の調整は設定ファイルの\n"
    "               ものを使います。--kind は種類（0 年賀ハガキ、1 普通ハガキ、2 長３、\n"
    "               3 長４、4 洋１、5 洋２封筒）、--marks は切手と郵便番号の枠も描き、\n"
    "               --back は封筒の裏（差出人）を書きます。住所録は UTF-8・UTF-16 の\n"
    "               CSV や vCard（.vcf .vcard）でもかまいません\n"
    "  --export-pdf 出力.pdf 本文.txt [画像]\n"
    "               はがきの裏面（本文と画像）を PDF にします\n"
    "  --print 住所録.csv [--printer 名前] [--kind N] [--rows A-B] [--marks] [--back]\n"
    "               宛名面をプリンタ（指定がなければ既定のプリンタ）で、はがき・封筒\n"
    "               そのものの用紙に印刷します。そのプリンタ用に覚えた用紙と印刷位置の\n"
    "               調整を使います。ほかの指定は --export-pdf と同じです\n"
    "  --print 本文.txt [画像] [--printer 名前]\n"
    "               はがきの裏面を同じように印刷します\n"
    "  --postal [--reading] 郵便番号|住所\n"
    "               郵便番号辞書で、7 桁の郵便番号の住所、または住所の郵便番号を\n"
    "               近い順に表示します。--reading は読みをひらがなで表示します。\n"
    "               終了コードは見つかれば 0、なければ 1、辞書が読めなければ 3\n"
    "  --barcode 郵便番号 住所\n"
    "               カスタマバーコードの中身（郵便番号と住所表示番号、21 文字）を\n"
    "               表示します。住所を町域で分けられなければ終了コード 1\n"
    "  --help       この説明を表示します\n"
    "  --version    版を表示します\n";

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
    auto mainWindow = std::make_unique<MainWindow>(dialogs, printer, files);
    auto pictan = std::make_unique<editor::PictureEditorWindow>(dialogs, printer, files);
    auto pictanAbout = std::make_unique<platform::AboutDialog>(
        editor::PictureEditorWindow::aboutText(), platform::programIcon());
    auto resize = std::make_unique<editor::ResizePictureDialog>(*pictan, dialogs);
    pictan->setCompanions(pictanAbout.get(), resize.get());
    auto about = std::make_unique<platform::AboutDialog>(
        platform::AboutText{QStringLiteral("TAboutBox1"), QStringLiteral("Pelcor"), {}, {}, 0},
        platform::programIcon(), mainWindow.get());
    mainWindow->setCompanions(pictan.get(), about.get());

    // Closing the main window ends the program, whatever else is open: its
    // close query has settled every unsaved document, the editor's picture
    // included. exit() rather than quit(), which would ask every window to
    // close again and stop at the first that refused, leaving a process
    // with no window.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(mainWindow.get(), &MainWindow::formClosed, &application,
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
