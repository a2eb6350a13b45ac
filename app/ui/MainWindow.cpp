#include "app/ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include "app/ui/CommandTable.h"
#include "app/ui/FileDrops.h"
#include "app/ui/PreviewOverflowNote.h"
#include "app/ui/PreviewPostalCheck.h"
#include "app/ui/Settings.h"
#include "book/exchange/ImportSource.h"
#include "book/ui/AddressGrids.h"
#include "book/ui/EntryPage.h"
#include "book/ui/SenderPage.h"
#include "editor/ui/PictureEditorWindow.h"
#include "message/ui/BodyPage.h"
#include "platform/files/AppPaths.h"
#include "platform/page/WindowFonts.h"
#include "platform/seams/Dialogs.h"
#include "platform/ui/Hint.h"
#include "platform/ui/StringGrid.h"
#include "postal/PostalDictionaryFile.h"
#include "print/ui/ListPage.h"
#include "render/ui/PreviewPage.h"

namespace app {

namespace {
const QString kNotOpenable = QStringLiteral("このファイル形式は開けません");
}  // namespace

MainWindow::MainWindow(platform::Dialogs& dialogs, platform::PrintTarget& printer,
                       const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), printer_(printer), arguments_(arguments) {
    setObjectName(QStringLiteral("MainWindow"));
    buildWindow();
    connectCommands();
    routeFileDrops(this, [this](const QStringList& paths) { openDroppedFiles(paths); });
    startUp();
}

MainWindow::~MainWindow() {
    shutDown();
    // The pages outlive this destructor's body; the dictionary does not.
    entryPage->setPostalDictionary(nullptr);
    senderPage->setPostalDictionary(nullptr);
}

void MainWindow::setCompanions(editor::PictureEditorWindow* pictan, QDialog* about) {
    pictan_ = pictan;
    about_ = about;
}

void MainWindow::buildWindow() {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(platform::windowFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    setAcceptDrops(true);

    commands = new CommandTable(this);
    commands->buildMenuBar(menuBar());

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(29);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    commands->buildToolBar(ToolBar1);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    // An empty context menu: right-clicking the pages and fields shows nothing.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));

    pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    previewPage = new render::PreviewPage(pages);
    senderPage = new book::SenderPage(pages);
    entryPage = new book::EntryPage(pages);
    listPage = new print::ListPage(dialogs_, printer_, pages);
    bodyPage = new message::BodyPage(dialogs_, pages);
    pages->addTab(previewPage, QStringLiteral("印刷プレビュー"));
    pages->addTab(senderPage, QStringLiteral("差出人の編集"));
    pages->addTab(entryPage, QStringLiteral("宛名の編集"));
    pages->addTab(listPage, QStringLiteral("一覧表"));
    pages->addTab(bodyPage, QStringLiteral("はがき裏面"));
    for (QWidget* page : {static_cast<QWidget*>(previewPage), static_cast<QWidget*>(senderPage),
                          static_cast<QWidget*>(entryPage), static_cast<QWidget*>(listPage),
                          static_cast<QWidget*>(bodyPage)})
        page->setContextMenuPolicy(Qt::NoContextMenu);
    setCentralWidget(pages);

    book_ = new book::AddressBookDocument(this);
    entryPage->setBook(book_);
    listPage->setBook(book_);
    wholeGrid = new platform::StringGrid(book_->wholeBook(), previewPage);
    relationGrid = new platform::StringGrid(book_->filteredBook(), previewPage);
    wholeGrid->setObjectName(QStringLiteral("StringGrid1"));
    relationGrid->setObjectName(QStringLiteral("StringGrid2"));
    GridMenu1 = commands->buildGrid1Menu(this);
    GridMenu2 = commands->buildGrid2Menu(this);
    relationFilter = new QComboBox(previewPage);
    relationFilter->setObjectName(QStringLiteral("ComboBox6"));
    relationFilter->setEditable(true);
    relationFilter->setInsertPolicy(QComboBox::NoInsert);
    relationFilter->addItems({QStringLiteral("全部"), QStringLiteral("知人"),
                              QStringLiteral("友人"), QStringLiteral("親戚"),
                              QStringLiteral("仕事")});
    relationFilter->setFixedWidth(52);
    previewPage->insertIntoChoiceBar(3, relationFilter);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(19);
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);

    // The editable choice lists show no editing menu of Qt's own (in
    // English); their pages have none either. The box hands its own right
    // clicks to its line edit, so both say no.
    for (QComboBox* box : findChildren<QComboBox*>()) {
        box->setContextMenuPolicy(Qt::NoContextMenu);
        if (box->lineEdit()) box->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    }

    postalDictionary_ =
        std::make_unique<book::PostalDictionaryFile>(book::PostalDictionaryFile::defaultPath());
    entryPage->setPostalDictionary(postalDictionary_.get());
    senderPage->setPostalDictionary(postalDictionary_.get());
    postalCheck_ = new PreviewPostalCheck(StatusBar1, *postalDictionary_, this);
    overflowNote_ = new PreviewOverflowNote(StatusBar1, this);
    barcodeRemark_ = new QLabel(StatusBar1);
    barcodeRemark_->setObjectName(QStringLiteral("BarcodeRemark"));
    StatusBar1->addPermanentWidget(barcodeRemark_);
    barcodeRemark_->hide();

    // The client area is 679 x 505 below the menu bar, and the frame is fixed.
    const int height = 505 + menuBar()->sizeHint().height();
    setFixedSize(679, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(679 / 2, height / 2));
}

void MainWindow::connectCommands() {
    auto on = [this](const char* name, auto handler) {
        connect(commands->action(name), &QAction::triggered, this, handler);
    };
    on("ActIns", [this] { ActInsExecute(); });
    on("ActDel", [this] { ActDelExecute(); });
    on("ActReNum", [this] { ActReNumExecute(); });
    on("ActSelectAllData", [this] { ActSelectAllDataExecute(); });
    on("ActOpen", [this] { ActOpenExecute(); });
    on("ActImport", [this] { ActImportExecute(); });
    on("ActExport", [this] { ActExportExecute(); });
    on("ActSave", [this] { ActSaveExecute(); });
    on("ActSaveAs", [this] { ActSaveAsExecute(); });
    on("ActNew", [this] { ActNewExecute(); });
    on("ActSort", [this] { ActSortExecute(); });
    on("ActRSort", [this] { ActRSortExecute(); });
    on("ActHiphn", [this] { addPostalHyphens(); });
    on("ActNonHiphn", [this] { removePostalHyphens(); });
    connect(relationFilter, &QComboBox::currentTextChanged, this,
            [this] { onRelationFilterChanged(); });
    // Every page switches the window's commands through the same table and
    // asks the window for anything else by a signal.
    entryPage->setCommands(commands);
    senderPage->setCommands(commands);
    listPage->setCommands(commands);
    bodyPage->setCommands(commands);
    connect(entryPage, &book::EntryPage::newRowsWanted, this, &MainWindow::ActInsExecute);
    connect(entryPage, &book::EntryPage::plainPostalCodesWanted, this,
            &MainWindow::removePostalHyphens);
    connect(listPage, &print::ListPage::hyphenatedPostalCodesWanted, this,
            &MainWindow::addPostalHyphens);
    connect(listPage, &print::ListPage::printed, this, &MainWindow::RefreshPreview);
    connect(bodyPage, &message::BodyPage::showWanted, this,
            [this] { pages->setCurrentWidget(bodyPage); });
    connect(book_, &book::AddressBookDocument::captionChanged, this, &QWidget::setWindowTitle);
    connect(book_, &book::AddressBookDocument::filterChanged, this, &MainWindow::showFilter);
    on("ActHNew", [this] { bodyPage->newBody(); });
    on("ActOpen2", [this] { bodyPage->choosePicture(); });
    on("ActHSave", [this] { bodyPage->save(); });
    on("ActHSaveAs", [this] { bodyPage->saveAs(); });
    on("ActSample", [this] { OpenDocument(message::BodyPage::sampleTextPath()); });
    on("ActCopy", [this] { bodyPage->copy(); });
    on("ActCut", [this] { bodyPage->cut(); });
    on("ActPaste", [this] { bodyPage->paste(); });
    on("ActSelectAll", [this] { bodyPage->selectAll(); });
    on("ActExit", [this] { ActExitExecute(); });
    on("ActEditData", [this] { ActEditDataExecute(); });
    on("ActPrint", [this] { ActPrintExecute(); });
    on("ActPrinter", [this] { ActPrinterExecute(); });
    on("ActAbout", [this] { ActAboutExecute(); });
    on("ActPictan", [this] { ActPictanExecute(); });
    on("ActCalibrate", [this] { ActCalibrateExecute(); });
    on("ActPrintIchiran", [this] { listPage->printList(); });
    on("ActHelp", [this] { ActHelpExecute(); });
    connect(previewPage, &render::PreviewPage::choicesChanged, this, &MainWindow::RefreshPreview);
    connect(wholeGrid, &platform::StringGrid::gridClick, this, &MainWindow::RefreshPreview);
    connect(relationGrid, &platform::StringGrid::gridClick, this, &MainWindow::RefreshPreview);
    connect(pages, &QTabWidget::currentChanged, this, &MainWindow::onPageChanged);
    connect(wholeGrid, &platform::StringGrid::gridMouseDown, this, &MainWindow::wholeGridMouseDown);
    connect(relationGrid, &platform::StringGrid::gridMouseDown, this,
            &MainWindow::relationGridMouseDown);
}

void MainWindow::startUp() {
    // 1-3: the body document starts empty, with no names.
    bodyPage->clearBackPicture();
    bodyPage->clearBody();
    // 4-7: flags, sender fields, choices, entry fields.
    senderPage->clearFields();
    relationFilter->setCurrentIndex(0);
    bodyPage->setChoiceIndexes({});
    previewPage->setChoiceIndexes({});
    entryPage->clearForStartup();
    // 8: both grids at one place; the filtered one hidden.
    wholeGrid->setGeometry(render::PreviewPage::gridRect());
    relationGrid->setGeometry(render::PreviewPage::gridRect());
    relationGrid->hide();
    // 9: the settings file; each key's default is its control's present value.
    readSettings(*this, platform::AppPaths::settingsFile());
    // 10-11: grid layout.
    book::layoutAddressGrid(*wholeGrid, book::GridRole::All);
    book::layoutAddressGrid(*relationGrid, book::GridRole::Filtered);
    // 12-14
    pages->setCurrentWidget(previewPage);
    shownPage_ = previewPage;
    enterPreview();  // the first preview is drawn here
    commands->action("ActPrint")->setEnabled(false);
    setWindowTitle(book_->caption());
    // 15-16
    RenumberRows();
    book_->setCurrentRecord(1);
    entryPage->showRecordNumber(1);
    // 17 is setAcceptDrops in buildWindow. 18: the user's folders.
    const QDir userFolders(platform::AppPaths::dataFolder());
    userFolders.mkpath(QStringLiteral("住所録"));
    userFolders.mkpath(QStringLiteral("本文"));
}

void MainWindow::openArgumentFiles() {
    for (const QString& path : arguments_) OpenDocument(path);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // Open the command line's files once the window is on screen, so that
    // their dialogs have a parent to sit on.
    QTimer::singleShot(0, this, &MainWindow::openArgumentFiles);
}

QString MainWindow::shownName(const QString& path, const QString& fallback) {
    const QFileInfo info(path);
    return info.suffix().isEmpty() ? fallback : info.fileName();
}

QString MainWindow::unsavedQuestion(const QString& name) {
    return QStringLiteral(" 『 ") + name + QStringLiteral(" 』") +
           QStringLiteral(" が保存されていません。") + QStringLiteral("\n\n") +
           QStringLiteral("     保存しますか？");
}

void MainWindow::askToClose(bool& canClose) {
    canClose = true;
    if (book_->isModified()) {
        const auto answer = dialogs_.question(
            this, unsavedQuestion(shownName(book_->fileName(), QStringLiteral("新規データ"))));
        if (answer == platform::Answer::Cancel) {
            canClose = false;
            return;
        }
        // A book that could not be written keeps the window open: closing
        // would lose it.
        if (answer == platform::Answer::Yes && !ActSaveExecute()) {
            canClose = false;
            return;
        }
    }
    askToCloseBody(canClose);
    // The editor's picture last, hidden or not: once this window closes the
    // program ends and the picture with it.
    if (canClose && pictan_ && !pictan_->settleForQuit()) canClose = false;
}

void MainWindow::askToCloseBody(bool& canClose) {
    if (!bodyPage->settleUnsavedText()) canClose = false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    askToClose(canClose);
    if (canClose) {
        event->accept();
        emit formClosed();
    } else
        event->ignore();
}

void MainWindow::shutDown() {
    if (destroyed_) return;
    destroyed_ = true;
    writeSettings(*this, platform::AppPaths::settingsFile(), dialogs_);
    bodyPage->clearBackPicture();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = droppedFiles(event->mimeData());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    openDroppedFiles(paths);
}

void MainWindow::openDroppedFiles(const QStringList& paths) {
    if (paths.isEmpty()) return;
    raise();
    activateWindow();
    OpenDocument(paths.first());  // only the first of several
}

void MainWindow::OpenDocument(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    // A vCard file opens as a book read from another format, as a foreign
    // CSV does.
    if (ext == QLatin1String("csv") || book::importKindOf(path) == book::ImportKind::VCard) {
        OpenAddressFile(path);
        return;
    }
    // Message texts and pictures belong to the message side, which shows
    // its page first, also for a file it then refuses.
    pages->setCurrentWidget(bodyPage);
    if (!message::BodyPage::opensExtension(QLatin1Char('.') + ext)) {
        dialogs_.notice(this, kNotOpenable);
        return;
    }
    bodyPage->openDocument(path);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        showHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::showHint(const QString& hint) {
    StatusBar1->showMessage(platform::longHint(hint));
}

QString MainWindow::statusText() const { return StatusBar1->currentMessage(); }

// Picks the relation from the list as a user would, so the change handler
// runs; a relation the list lacks is typed in.
void MainWindow::selectRelation(const QString& relation) {
    const int item = relationFilter->findText(relation);
    if (item >= 0) relationFilter->setCurrentIndex(item);
    relationFilter->setEditText(relation);
}

QString MainWindow::shownRelation() const { return relationFilter->currentText(); }

void MainWindow::runCommand(const char* action) { commands->action(action)->trigger(); }

bool MainWindow::isCommandEnabled(const char* action) const {
    return commands->action(action)->isEnabled();
}

void MainWindow::ActExitExecute() { close(); }

void MainWindow::ActAboutExecute() {
    if (!about_) return;
    about_->show();
    about_->raise();
}

void MainWindow::ActPictanExecute() {
    if (!pictan_) return;
    pictan_->show();
    pictan_->raise();
    pictan_->activateWindow();
}

}  // namespace app
