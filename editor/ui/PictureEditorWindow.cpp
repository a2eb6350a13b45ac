// The editor window's life cycle, its canvas placement and size display,
// and the window events: hints, showing, closing and dropped files.

#include "editor/ui/PictureEditorWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QToolButton>

#include "editor/Canvas.h"
#include "editor/ToolCursors.h"
#include "editor/ui/ColourSwatch.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/ResizePictureDialog.h"
#include "platform/page/WindowFonts.h"
#include "platform/ui/AboutDialog.h"

namespace editor {

const QString kEditorCaptionPrefix = QStringLiteral(" Pictan   Zandor     ");
const QString kNewPictureName = QStringLiteral("新規画像");

namespace {

void setBackground(QWidget* w, QRgb colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(colour));
    w->setPalette(pal);
}

}  // namespace

PictureEditorWindow::PictureEditorWindow(platform::Dialogs& dialogs, platform::PrintTarget& printer,
                                         QStringList arguments, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), printer_(printer), arguments_(std::move(arguments)) {
    setObjectName(QStringLiteral("PictureEditorWindow"));
    setWindowTitle(QStringLiteral("Pictan"));
    setFont(platform::windowFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    resize(736, 658);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    buildActions();
    buildMenu();
    auto* central = new QWidget(this);
    auto* coolBar = new QWidget(central);
    coolBar->setObjectName(QStringLiteral("CoolBar1"));
    coolBar->setFixedWidth(124);
    auto* bands = new QHBoxLayout(coolBar);
    bands->setContentsMargins(0, 0, 0, 0);
    bands->setSpacing(0);
    bands->addWidget(buildToolBar());
    bands->addWidget(buildSidePanel());
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(coolBar);
    row->addWidget(buildCanvasArea(), 1);
    setCentralWidget(central);
    buildStatusBar();

    const auto on = [this](const char* name, auto handler) {
        connect(action(name), &QAction::triggered, this, handler);
    };
    on("ActOpen", [this] { openPicture(); });
    on("ActNew", [this] { newPicture(); });
    on("ActPrint", [this] { printPicture(); });
    on("ActSave", [this] { savePicture(); });
    on("ActSaveAs", [this] { savePictureAs(); });
    on("ActClose", [this] { closeEditor(); });
    on("Act90", [this] { turnOrMirror(TransformMode::Rotate90); });
    on("Act180", [this] { turnOrMirror(TransformMode::Rotate180); });
    on("Act270", [this] { turnOrMirror(TransformMode::Rotate270); });
    on("ActHanRL", [this] { turnOrMirror(TransformMode::MirrorLeftRight); });
    on("ActHanTB", [this] { turnOrMirror(TransformMode::MirrorTopBottom); });
    on("ActUndo", [this] { undo(); });
    on("ActSize", [this] { showResizeDialog(); });
    on("ActModeFin", [this] { updateToolMode(); });
    on("ActCanvasSize", [this] { showCanvasSize(); });
    on("ActColorDlg", [this] { chooseLeftColour(); });
    on("ActAbout", [this] { showAbout(); });

    resetWindow();
}

PictureEditorWindow::~PictureEditorWindow() = default;

void PictureEditorWindow::resetWindow() {
    setBackground(frame_, 0xFF000000u);
    pointerLabel_->clear();
    leftSwatch_->setColour(0xFF000000u);
    rightSwatch_->setColour(0xFFFF0000u);
    setBackground(canvasArea_, 0xFF008000u);
    action("ActUndo")->setEnabled(false);
    editorFileName_.clear();
    setNewPictureCaption();
    for (const char* n : {"ActNew", "ActOpen", "ActSave", "ActPrint"}) action(n)->setEnabled(true);
    for (QToolButton* b : toolButtons_) b->setEnabled(true);
    toolButtons_[size_t(DrawingTool::Pen)]->setChecked(true);
    updateToolMode();
    blankCanvas(0xFFFFFFFFu);
    setAcceptDrops(true);
    undo_.clear();
}

void PictureEditorWindow::setCompanions(QDialog* about, ResizePictureDialog* resize) {
    about_ = about;
    resize_ = resize;
}

platform::AboutText PictureEditorWindow::aboutText() {
    platform::AboutText text;
    text.objectName = QStringLiteral("TAboutBox");
    text.programName = QStringLiteral("Pictan");
    text.comment =
        QStringLiteral("はがき用のシンプルな画像を作成したり既存の画像を編集する事ができます");
    text.font = platform::windowFont(QStringLiteral("ＭＳ Ｐゴシック"), 12);
    text.fixedWidth = 300;
    return text;
}

QAction* PictureEditorWindow::action(const char* name) const {
    return actions_.value(QLatin1String(name));
}

const QImage& PictureEditorWindow::currentPicture() const { return canvas_->picture(); }

QSize PictureEditorWindow::pictureSize() const { return canvas_->pictureSize(); }

void PictureEditorWindow::replacePicture(const QImage& picture, QSize size) {
    canvas_->setPicture(picture, size);
    editorModified_ = true;
    centreCanvas();
    showCanvasSize();
}

void PictureEditorWindow::setCaptionFor(const QString& path) {
    setWindowTitle(kEditorCaptionPrefix + QFileInfo(path).fileName());
}

void PictureEditorWindow::setNewPictureCaption() {
    setWindowTitle(kEditorCaptionPrefix + QStringLiteral("　") + kNewPictureName);
}

void PictureEditorWindow::blankCanvas(QRgb colour) {
    saveDialogFileName_.clear();
    canvas_->setPicture(editor::newPicture(colour));
    centreCanvas();
    canvas_->setVisible(true);
    showCanvasSize();
    updateToolMode();
    editorModified_ = false;
}

// The black frame one pixel around the picture, centred in the area. When
// the picture is larger than the area the offset is negative; the area then
// scrolls, starting from that centred view, so every part can be reached.
void PictureEditorWindow::centreCanvas() {
    const QSize picture = canvas_->pictureSize();
    const QSize frame = picture + QSize(2, 2);
    frame_->setFixedSize(frame);
    canvas_->move(1, 1);
    const QSize box = scrollArea_->size();
    const QPoint offset((box.width() - frame.width()) / 2, (box.height() - frame.height()) / 2);
    const QSize view = scrollArea_->maximumViewportSize();
    canvasArea_->resize(qMax(view.width(), frame.width()), qMax(view.height(), frame.height()));
    frame_->move(qMax(0, offset.x()), qMax(0, offset.y()));
    scrollArea_->horizontalScrollBar()->setValue(qMax(0, -offset.x()));
    scrollArea_->verticalScrollBar()->setValue(qMax(0, -offset.y()));
}

void PictureEditorWindow::showCanvasSize() {
    const SizeUnit unit = unitPic_->isChecked() ? SizeUnit::Pixels : SizeUnit::Millimetres;
    sizeLabel_->setText(canvasSizeText(canvas_->pictureSize(), unit));
}

bool PictureEditorWindow::event(QEvent* e) {
    // Status panel 0 shows the long hint of whatever is under the pointer.
    if (e->type() == QEvent::StatusTip) {
        hintPanel_->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

bool PictureEditorWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == scrollArea_ && e->type() == QEvent::Resize) {
        centreCanvas();
    } else if (watched == canvasArea_ && e->type() == QEvent::MouseButtonRelease) {
        const auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() == Qt::LeftButton && canvasArea_->rect().contains(m->position().toPoint()))
            chooseBackdropColour();
    }
    return QMainWindow::eventFilter(watched, e);
}

// Every showing offers the program's arguments to the loader; those that
// are not pictures end at its extension check.
void PictureEditorWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (e->spontaneous()) return;
    for (const QString& argument : arguments_) loadPicture(argument);
}

void PictureEditorWindow::closeEvent(QCloseEvent* e) {
    if (settleUnsavedPicture(true))
        e->accept();
    else
        e->ignore();
}

void PictureEditorWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void PictureEditorWindow::dropEvent(QDropEvent* e) {
    const QList<QUrl> urls = e->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    e->acceptProposedAction();
    raise();
    activateWindow();
    loadPicture(urls.first().toLocalFile());
}

}  // namespace editor
