#include "app/TMirelForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include "app/CommandTable.h"
#include "app/PreviewPostalCheck.h"
#include "app/Settings.h"
#include "book/AddressGrids.h"
#include "book/AddressRecord.h"
#include "book/BookModel.h"
#include "book/EntryPage.h"
#include "book/PostalDictionaryFile.h"
#include "book/RowOperations.h"
#include "book/SenderPage.h"
#include "render/AddressSideInput.h"
#include "message/BodyPage.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/Hint.h"
#include "platform/StringGrid.h"
#include "platform/WindowFonts.h"
#include "print/ListPage.h"
#include "render/DrawAddressSide.h"
#include "render/LayoutPanel.h"
#include "render/MediaKind.h"
#include "render/PreviewBox.h"
#include "render/PreviewPage.h"

namespace app {

namespace {
const QString kMainCaption = QStringLiteral("　Pelcor　　　");
const QString kNotOpenable = QStringLiteral("このファイル形式は開けません");
}  // namespace

TMirelForm::TMirelForm(platform::Dialogs& dialogs, platform::PrintTarget& printer, const QStringList& arguments,
                       QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), printer_(printer), arguments_(arguments) {
    setObjectName(QStringLiteral("TMirelForm"));
    buildWindow();
    connectCommands();
    FormCreate();
}

TMirelForm::~TMirelForm() {
    FormDestroy();
    // The pages outlive this destructor's body; the dictionary does not.
    MirelEdit->setPostalDictionary(nullptr);
    Sasidasininn->setPostalDictionary(nullptr);
}

void TMirelForm::setCompanions(QWidget* pictan, QDialog* about) {
    pictan_ = pictan;
    about_ = about;
}

void TMirelForm::buildWindow() {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(platform::windowFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    setAcceptDrops(true);

    ActionList1 = new CommandTable(this);
    ActionList1->buildMenuBar(menuBar());

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(29);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ActionList1->buildToolBar(ToolBar1);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    // An empty context menu: right-clicking the pages and fields shows nothing.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    Preview = new render::PreviewPage(PageControl1);
    Sasidasininn = new book::SenderPage(PageControl1);
    MirelEdit = new book::EntryPage(PageControl1);
    Ichiran = new print::ListPage(dialogs_, printer_, PageControl1);
    HRimen = new message::BodyPage(dialogs_, PageControl1);
    MirelEdit->setHost(this);
    Ichiran->setHost(this);
    PageControl1->addTab(Preview, QStringLiteral("印刷プレビュー"));
    PageControl1->addTab(Sasidasininn, QStringLiteral("差出人の編集"));
    PageControl1->addTab(MirelEdit, QStringLiteral("宛名の編集"));
    PageControl1->addTab(Ichiran, QStringLiteral("一覧表"));
    PageControl1->addTab(HRimen, QStringLiteral("はがき裏面"));
    for (QWidget* page : {static_cast<QWidget*>(Preview), static_cast<QWidget*>(Sasidasininn),
                          static_cast<QWidget*>(MirelEdit), static_cast<QWidget*>(Ichiran),
                          static_cast<QWidget*>(HRimen), static_cast<QWidget*>(Preview->PaintBox1)})
        page->setContextMenuPolicy(Qt::NoContextMenu);
    setCentralWidget(PageControl1);

    wholeBook_ = new book::BookModel(this);
    filteredBook_ = new book::BookModel(this);
    StringGrid1 = new platform::StringGrid(*wholeBook_, Preview);
    StringGrid2 = new platform::StringGrid(*filteredBook_, Preview);
    GridMenu1 = ActionList1->buildGrid1Menu(this);
    GridMenu2 = ActionList1->buildGrid2Menu(this);
    ComboBox6 = new QComboBox(Preview);
    ComboBox6->setObjectName(QStringLiteral("ComboBox6"));
    ComboBox6->setEditable(true);
    ComboBox6->setInsertPolicy(QComboBox::NoInsert);
    ComboBox6->addItems({QStringLiteral("全部"), QStringLiteral("知人"), QStringLiteral("友人"),
                         QStringLiteral("親戚"), QStringLiteral("仕事")});
    ComboBox6->setFixedWidth(52);
    Preview->ChoiceBarLayout->insertWidget(3, ComboBox6);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(19);
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);

    postalDictionary_ = std::make_unique<book::PostalDictionaryFile>(book::PostalDictionaryFile::defaultPath());
    MirelEdit->setPostalDictionary(postalDictionary_.get());
    Sasidasininn->setPostalDictionary(postalDictionary_.get());
    postalCheck_ = new PreviewPostalCheck(StatusBar1, *postalDictionary_, this);

    // The client area is 679 x 505 below the menu bar, and the frame is fixed.
    const int height = 505 + menuBar()->sizeHint().height();
    setFixedSize(679, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(679 / 2, height / 2));
}

void TMirelForm::connectCommands() {
    auto on = [this](const char* name, auto handler) {
        connect(ActionList1->action(name), &QAction::triggered, this, handler);
    };
    on("ActIns", [this] { ActInsExecute(); });
    on("ActDel", [this] { ActDelExecute(); });
    on("ActReNum", [this] { ActReNumExecute(); });
    on("ActSelectAllData", [this] { ActSelectAllDataExecute(); });
    on("ActOpen", [this] { ActOpenExecute(); });
    on("ActSave", [this] { ActSaveExecute(); });
    on("ActSaveAs", [this] { ActSaveAsExecute(); });
    on("ActNew", [this] { ActNewExecute(); });
    on("ActSort", [this] { ActSortExecute(); });
    on("ActRSort", [this] { ActRSortExecute(); });
    on("ActHiphn", [this] { ActHiphnExecute(); });
    on("ActNonHiphn", [this] { ActNonHiphnExecute(); });
    connect(ComboBox6, &QComboBox::currentTextChanged, this, [this] { ComboBox6Change(); });
    // The body page switches the main window's commands and asks to be shown
    // through these two, so it needs nothing of the window itself.
    HRimen->setCommandSwitch([this](const char* name, bool enabled) { setCommandEnabled(name, enabled); });
    HRimen->setPageActivator([this] { PageControl1->setCurrentWidget(HRimen); });
    on("ActHNew", [this] { HRimen->ActHNewExecute(); });
    on("ActHSave", [this] { HRimen->ActHSaveExecute(); });
    on("ActHSaveAs", [this] { HRimen->ActHSaveAsExecute(); });
    on("ActSample", [this] { OpenDocument(message::BodyPage::sampleTextPath()); });
    on("ActCopy", [this] { HRimen->ActCopyExecute(); });
    on("ActCut", [this] { HRimen->ActCutExecute(); });
    on("ActPaste", [this] { HRimen->ActPasteExecute(); });
    on("ActSelectAll", [this] { HRimen->ActSelectAllExecute(); });
    on("ActExit", [this] { ActExitExecute(); });
    on("ActEditData", [this] { ActEditDataExecute(); });
    on("ActPrint", [this] { ActPrintExecute(); });
    on("ActPrinter", [this] { ActPrinterExecute(); });
    on("ActAbout", [this] { ActAboutExecute(); });
    on("ActPictan", [this] { ActPictanExecute(); });
    on("ActPrintIchiran", [this] { Ichiran->ActPrintIchiranExecute(); });
    on("ActHelp", [this] { ActHelpExecute(); });
    connect(Preview->PageControl2, &render::LayoutPanel::refreshRequested, this, &TMirelForm::RefreshPreview);
    for (QComboBox* box : {Preview->ComboBox1, Preview->ComboBox2, Preview->ComboBox3})
        connect(box, &QComboBox::activated, this, &TMirelForm::RefreshPreview);
    for (QRadioButton* side : {Preview->FuutouF, Preview->FuutouR})
        connect(side, &QRadioButton::clicked, this, &TMirelForm::RefreshPreview);
    connect(StringGrid1, &platform::StringGrid::gridClick, this, &TMirelForm::RefreshPreview);
    connect(StringGrid2, &platform::StringGrid::gridClick, this, &TMirelForm::RefreshPreview);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TMirelForm::PageControl1Change);
    connect(StringGrid1, &platform::StringGrid::gridMouseDown, this, &TMirelForm::StringGrid1MouseDown);
    connect(StringGrid2, &platform::StringGrid::gridMouseDown, this, &TMirelForm::StringGrid2MouseDown);
}

void TMirelForm::FormCreate() {
    // 1-3: the body document starts empty, with no names.
    HRimen->BackPicture = QImage();
    AddressFileName.clear();
    HRimen->NewBody();
    // 4-7: flags, sender fields, choices, entry fields.
    MirelEdit->EntryPageActive = false;
    Sasidasininn->SenderPageActive = false;
    Sasidasininn->clearFields();
    for (QComboBox* box : {MirelEdit->ComboBox7, ComboBox6, HRimen->ComboBox5, HRimen->ComboBox4,
                           Preview->ComboBox3, Preview->ComboBox2, Preview->ComboBox1})
        box->setCurrentIndex(0);
    MirelEdit->clearForStartup();
    // 8: both grids at one place; the filtered one hidden.
    StringGrid1->setGeometry(render::PreviewPage::gridRect());
    StringGrid2->setGeometry(render::PreviewPage::gridRect());
    StringGrid2->hide();
    // 9: the settings file; each key's default is its control's present value.
    readSettings(*this, platform::AppPaths::settingsFile());
    // 10-11: grid layout.
    book::layoutAddressGrid(*StringGrid1, book::GridRole::All);
    book::layoutAddressGrid(*StringGrid2, book::GridRole::Filtered);
    ShowingAll = true;
    // 12-14
    PageControl1->setCurrentWidget(Preview);
    shownPage_ = Preview;
    PreviewShow();  // the first preview is drawn here
    ActionList1->action("ActPrint")->setEnabled(false);
    setWindowTitle(kMainCaption);
    // 15-16
    SaveAsFileName.clear();
    RenumberRows();
    CurrentRecord = 1;
    MirelEdit->Num1->setText(QStringLiteral("1"));
    // 17 is setAcceptDrops in buildWindow. 18: the user's folders.
    const QDir userFolders(platform::AppPaths::dataFolder());
    userFolders.mkpath(QStringLiteral("住所録"));
    userFolders.mkpath(QStringLiteral("本文"));
}

void TMirelForm::FormShow() {
    for (const QString& path : arguments_) OpenDocument(path);
}

void TMirelForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // Open the command line's files once the window is on screen, so that
    // their dialogs have a parent to sit on.
    QTimer::singleShot(0, this, &TMirelForm::FormShow);
}

QString TMirelForm::shownName(const QString& path, const QString& fallback) {
    const QFileInfo info(path);
    return info.suffix().isEmpty() ? fallback : info.fileName();
}

QString TMirelForm::unsavedQuestion(const QString& name) {
    return QStringLiteral(" 『 ") + name + QStringLiteral(" 』") + QStringLiteral(" が保存されていません。") +
           QStringLiteral("\n\n") + QStringLiteral("     保存しますか？");
}

void TMirelForm::FormCloseQuery(bool& canClose) {
    canClose = true;
    if (AddressModified) {
        const auto answer =
            dialogs_.question(this, unsavedQuestion(shownName(AddressFileName, QStringLiteral("新規データ"))));
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
        AskSaveBody(canClose);
        return;
    }
    AskSaveBody(canClose);
}

void TMirelForm::AskSaveBody(bool& canClose) {
    if (!HRimen->isModified()) return;
    const auto answer =
        dialogs_.question(this, unsavedQuestion(shownName(HRimen->BodyFileName, QStringLiteral("新規文書"))));
    if (answer == platform::Answer::Cancel) {
        canClose = false;
        return;
    }
    if (answer == platform::Answer::Yes) {
        HRimen->ActHSaveExecute();
        // Still modified: the dialog was cancelled or the write failed.
        if (HRimen->isModified()) canClose = false;
    }
}

void TMirelForm::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose) {
        event->accept();
        emit formClosed();
    } else
        event->ignore();
}

void TMirelForm::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    writeSettings(*this, platform::AppPaths::settingsFile(), dialogs_);
    HRimen->BackPicture = QImage();
}

void TMirelForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMirelForm::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    WMDropFiles(paths);
}

void TMirelForm::WMDropFiles(const QStringList& paths) {
    if (paths.isEmpty()) return;
    raise();
    activateWindow();
    OpenDocument(paths.first());  // only the first of several
}

void TMirelForm::OpenDocument(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("csv")) {
        OpenAddressFile(path);
        return;
    }
    // Message texts and pictures belong to the message side, which shows
    // its page first, also for a file it then refuses.
    PageControl1->setCurrentWidget(HRimen);
    if (!message::BodyPage::opensExtension(QLatin1Char('.') + ext)) {
        dialogs_.notice(this, kNotOpenable);
        return;
    }
    HRimen->openDocument(path);
}

bool TMirelForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ApplicationEvents1Hint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMirelForm::ApplicationEvents1Hint(const QString& hint) {
    StatusBar1->showMessage(platform::longHint(hint));
}

void TMirelForm::PageControl1Change(int) {
    QWidget* page = PageControl1->currentWidget();
    if (shownPage_ == Sasidasininn) Sasidasininn->SasidasininnExit();
    if (shownPage_ == Preview) PreviewExit();
    if (shownPage_ == MirelEdit) MirelEdit->MirelEditExit();
    shownPage_ = page;
    if (page == Sasidasininn) SasidasininnShow();
    if (page == Preview) PreviewShow();
    if (page == MirelEdit) MirelEdit->MirelEditShow();
    if (page == HRimen) HRimen->HRimenShow();
    if (page == Ichiran) Ichiran->IchiranShow();
}

void TMirelForm::ActEditDataExecute() {
    PageControl1->setCurrentWidget(MirelEdit);
    MirelEdit->Kana1->setFocus();
}

const platform::CellGrid& TMirelForm::activeRecords() { return activeBook(); }

int TMirelForm::sourceRowOfFiltered(int filteredRow) const { return filteredBook_->sourceRow(filteredRow); }

void TMirelForm::setCommandEnabled(const char* action, bool on) {
    if (QAction* a = ActionList1->action(action)) a->setEnabled(on);
}

void TMirelForm::PreviewShow() {
    // Postal codes reach the renderer without hyphens.
    ActNonHiphnExecute();
    if (ShowingAll) {
        StringGrid1->setRow(CurrentRecord);
    } else {
        if (FilteredCurrentRow <= 0) ++FilteredCurrentRow;
        StringGrid2->setRow(FilteredCurrentRow);
    }
    ActionList1->setEnabled({"ActHiphn", "ActNonHiphn", "ActSort", "ActRSort", "ActIns", "ActDel", "ActReNum"},
                            ShowingAll);
    ActionList1->setEnabled({"ActSelectAllData", "ActPrint", "ActPrinter", "ActSave", "ActSaveAs", "ActEditData"},
                            true);
    ActionList1->setEnabled({"ActPrintIchiran", "ActCopy", "ActCut", "ActPaste", "ActSelectAll", "ActOpen2"},
                            false);
    RefreshPreview();
}

void TMirelForm::PreviewExit() {
    postalCheck_->clear();
    CurrentRecord = activeGrid()->row();
    FilteredCurrentRow = CurrentRecord;
}

void TMirelForm::SasidasininnShow() {
    ActionList1->setEnabled({"ActOpen2", "ActHiphn", "ActNonHiphn", "ActSort", "ActRSort", "ActPrintIchiran",
                             "ActSelectAllData", "ActCopy", "ActCut", "ActPaste", "ActSelectAll", "ActPrint",
                             "ActPrinter", "ActIns", "ActDel", "ActSave", "ActSaveAs", "ActReNum"},
                            false);
    ActionList1->action("ActEditData")->setEnabled(true);
    Sasidasininn->SasidasininnShow();
}

render::AddressSideInput TMirelForm::addressSideInput(int row) const {
    render::AddressSideInput in;
    in.mediaKind = Preview->ComboBox2->currentIndex();
    in.envelopeBack = Preview->FuutouR->isChecked();
    in.faceIndex = Preview->ComboBox1->currentIndex();
    in.honorific = Preview->ComboBox3->currentText();
    const book::BookModel& records = activeBook();
    for (int c = 0; c < book::kColumnCount; ++c) in.record[size_t(c)] = records.cell(c, row);
    const book::SenderPage& s = *Sasidasininn;
    in.sender = {s.SSimei->text(),   s.SRenmei->text(),  s.SYuubinBangou1->text(),
                 s.SYuubinBangou2->text(), s.SJuusho1->text(), s.SJuusho2->text()};
    in.layout = Preview->PageControl2->settings();
    in.typeset = Preview->PageControl2->typesetChoices();
    return in;
}

void TMirelForm::RefreshPreview() {
    const render::AddressSideInput in = addressSideInput(activeGrid()->row());
    Preview->PaintBox1->showPicture(in.mediaKind, render::DrawAddressSide(in));
    if (shownPage_ == Preview)
        postalCheck_->check(in.record[book::ColPostal], in.record[book::ColAddress1] + in.record[book::ColAddress2]);
    // The side buttons only mean something for envelopes.
    const bool envelope = in.mediaKind >= int(render::MediaKind::Naga3Envelope) && in.mediaKind < render::kMediaKindCount;
    Preview->FuutouF->setEnabled(envelope);
    Preview->FuutouR->setEnabled(envelope);
}

platform::StringGrid* TMirelForm::activeGrid() const { return ShowingAll ? StringGrid1 : StringGrid2; }

void TMirelForm::RenumberRows() { wholeBook_->renumber(); }

void TMirelForm::ActInsExecute() {
    const platform::GridRect sel = StringGrid1->selection();
    CurrentRecord = wholeBook_->insertRows(sel);
    StringGrid1->setGridSelection(sel);
    AddressModified = true;
}

void TMirelForm::ActDelExecute() {
    const platform::GridRect sel = StringGrid1->selection();
    wholeBook_->deleteRows(sel);
    StringGrid1->setRow(std::min(sel.top, wholeBook_->rowCount() - 1));
    AddressModified = true;
}

void TMirelForm::ActReNumExecute() { RenumberRows(); }

void TMirelForm::ActSelectAllDataExecute() {
    activeGrid()->setGridSelection(book::allRecords(activeBook()));
}

void TMirelForm::ActExitExecute() { close(); }

void TMirelForm::ActAboutExecute() {
    if (!about_) return;
    about_->show();
    about_->raise();
}

void TMirelForm::ActPictanExecute() {
    if (!pictan_) return;
    pictan_->show();
    pictan_->raise();
    pictan_->activateWindow();
}

void TMirelForm::showGridMenu(QMenu* menu, const QPoint& pos) {
    // The menu opens at a fixed offset from the press, measured from the
    // window's top-left corner.
    const QPoint origin = frameGeometry().topLeft();
    menu->popup(QPoint(pos.x() + origin.x() + 190, pos.y() + origin.y() + 115));
}

void TMirelForm::StringGrid1MouseDown(Qt::MouseButton button, const QPoint& pos) {
    if (button == Qt::RightButton) showGridMenu(GridMenu1, pos);
}

void TMirelForm::StringGrid2MouseDown(Qt::MouseButton button, const QPoint& pos) {
    if (button == Qt::RightButton) showGridMenu(GridMenu2, pos);
}

}  // namespace app
