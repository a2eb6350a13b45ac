// Building the editor window: the command table, the menu bar, the vertical
// tool bar, the side panel, the picture area and the status bar.

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/EditorIcons.h"
#include "editor/ui/ColourPalette.h"
#include "editor/ui/ColourSwatch.h"
#include "editor/ui/PictureEditorWindow.h"
#include "editor/ui/PictureView.h"
#include "platform/ui/Hint.h"
#include "platform/ui/SpinField.h"

namespace editor {
namespace {

struct Command {
    const char* name;
    const char16_t* caption;
    const char16_t* hint;  // "short|long", empty: none
    int icon;              // EditorIcon, -1: none
};

constexpr int kNoIcon = -1;

// The editor's command table, in the order of its action list.
const Command kCommands[] = {
    {"ActOpen", u"開く(&O)", u"開く|ファイルを開きます", int(EditorIcon::Open)},
    {"ActNew", u"新規作成(&N)", u"新規作成|新規作成状態にします", int(EditorIcon::New)},
    {"ActPrint", u"印刷(&P)", u"印刷|画像を印刷します", int(EditorIcon::Print)},
    {"ActSave", u"保存(&S)", u"保存|ファイルとして保存します", int(EditorIcon::Save)},
    {"ActSaveAs", u"名前を付けて保存", u"名前を付けて保存|ファイルに名前を付けて保存します",
     kNoIcon},
    {"ActClose", u"終了(&X)", u"終了|終了します", int(EditorIcon::Close)},
    {"Act90", u"90度回転", u"回転|画像を９０度右回転します", int(EditorIcon::Rotate90)},
    {"Act180", u"180度回転", u"回転|画像を180度回転します", kNoIcon},
    {"Act270", u"270度回転", u"270度回転|画像を270度右に回転します", kNoIcon},
    {"ActHanRL", u"左右反転", u"左右反転|画像を左右反転します", int(EditorIcon::MirrorLeftRight)},
    {"ActHanTB", u"上下反転", u"上下反転|画像の上下を反転します", int(EditorIcon::MirrorTopBottom)},
    {"ActUndo", u"レスキュー", u"レスキュー|画像を前の状態に戻します（最大５回前まで）",
     int(EditorIcon::Undo)},
    {"ActSize", u"サイズ設定", u"サイズ|画像のサイズを設定します", int(EditorIcon::Size)},
    {"ActModeFin", u"モードの検索", u"", kNoIcon},
    {"ActCanvasSize", u"キャンバスサイズ表示", u"サイズ|キャンバスのサイズを表示します", kNoIcon},
    {"ActColorDlg", u"色の選択", u"色の選択|他の色を選択できます", kNoIcon},
    {"ActAbout", u"バージョン情報", u"バージョン情報|バージョン情報を表示します", kNoIcon},
};

struct ToolButton {
    DrawingTool tool;
    const char* name;
    const char16_t* hint;
    EditorIcon icon;
};

// Tool bar order.
const ToolButton kToolButtons[] = {
    {DrawingTool::Pen, "Pen1", u"鉛筆|フリーハンドで描画できます", EditorIcon::Pen},
    {DrawingTool::Line, "Line1", u"直線|直線を描画できます", EditorIcon::Line},
    {DrawingTool::Rect, "Rect1", u"四角|四角を描画できます", EditorIcon::Rect},
    {DrawingTool::Ellipse, "Ellipse1", u"楕円|楕円を描画できます", EditorIcon::Ellipse},
    {DrawingTool::RoundRect, "RRect1", u"角丸四角|角丸四角を描画できます", EditorIcon::RoundRect},
    {DrawingTool::Fill, "Paint1", u"塗潰し|現在の選択色で塗潰す事ができます", EditorIcon::Fill},
    {DrawingTool::Picker, "Spoid1", u"色抽出|画像から色を抽出する事ができます", EditorIcon::Picker},
};

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

void PictureEditorWindow::buildActions() {
    for (const Command& c : kCommands) {
        auto* a = new QAction(QString::fromUtf16(c.caption), this);
        a->setObjectName(QLatin1String(c.name));
        const QString hint = QString::fromUtf16(c.hint);
        if (!hint.isEmpty()) platform::applyHint(a, hint);
        if (c.icon != kNoIcon) a->setIcon(editorIcon(EditorIcon(c.icon)));
        actions_.insert(QLatin1String(c.name), a);
    }
}

void PictureEditorWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    for (const char* n : {"ActOpen", "ActNew", "ActPrint", "ActSave", "ActSaveAs"})
        file->addAction(action(n));
    file->addSeparator();
    file->addAction(action("ActClose"));
    QMenu* edit = bar->addMenu(QStringLiteral("編集(&E)"));
    for (const char* n : {"Act90", "Act180", "Act270"}) edit->addAction(action(n));
    edit->addSeparator();
    edit->addAction(action("ActHanRL"));
    edit->addAction(action("ActHanTB"));
    edit->addSeparator();
    edit->addAction(action("ActUndo"));
    edit->addSeparator();
    edit->addAction(action("ActSize"));
    QMenu* help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->addAction(action("ActAbout"));
}

QWidget* PictureEditorWindow::buildToolBar() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel3"));
    panel->setFixedWidth(28);
    auto* bar = new QToolBar(panel);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setOrientation(Qt::Vertical);
    bar->setIconSize(QSize(20, 20));
    bar->setMovable(false);
    bar->setFloatable(false);
    const std::pair<const char*, const char*> commands[] = {
        {"Open1", "ActOpen"},      {"New1", "ActNew"},        {"Print1", "ActPrint"},
        {"Save1", "ActSave"},      {"Close1", "ActClose"},    {"Kaiten901", "Act90"},
        {"HantenRL1", "ActHanRL"}, {"HantenTB1", "ActHanTB"}, {"Undo1", "ActUndo"},
    };
    for (const auto& [button, act] : commands) {
        bar->addAction(action(act));
        bar->widgetForAction(action(act))->setObjectName(QLatin1String(button));
    }
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (const ToolButton& t : kToolButtons) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QLatin1String(t.name));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setIcon(editorIcon(t.icon));
        b->setIconSize(QSize(20, 20));
        platform::applyHint(b, QString::fromUtf16(t.hint));
        group->addButton(b);
        bar->addWidget(b);
        toolButtons_[size_t(t.tool)] = b;
        // Each button runs ActModeFin once it is the pressed one.
        connect(b, &QToolButton::toggled, this, [this](bool on) {
            if (on) action("ActModeFin")->trigger();
        });
    }
    // Size1 runs ActSize but keeps a hint of its own.
    auto* size = new QToolButton(bar);
    size->setObjectName(QStringLiteral("Size1"));
    size->setAutoRaise(true);
    size->setIcon(editorIcon(EditorIcon::Size));
    size->setIconSize(QSize(20, 20));
    platform::applyHint(size, QStringLiteral("サイズ|キャンバスのサイズを変更できます"));
    connect(size, &QToolButton::clicked, action("ActSize"), &QAction::trigger);
    bar->addWidget(size);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addStretch();
    return panel;
}

QWidget* PictureEditorWindow::buildSidePanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    auto* col = new QVBoxLayout(panel);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(4);

    col->addWidget(label(QStringLiteral("Label2"), QStringLiteral("カーソル位置"), panel));
    pointerLabel_ = label(QStringLiteral("Label1"), QString(), panel);
    pointerLabel_->setMinimumHeight(28);
    platform::applyHint(pointerLabel_, QStringLiteral("位置表示|カーソル位置を表示します"));
    col->addWidget(pointerLabel_);

    col->addWidget(label(QStringLiteral("Label4"), QStringLiteral("選択色"), panel));
    auto* swatches = new QHBoxLayout;
    leftSwatch_ = new ColourSwatch(QStringLiteral("LColor"), 0xFF000000u, panel);
    rightSwatch_ = new ColourSwatch(QStringLiteral("RColor"), 0xFFFF0000u, panel);
    platform::applyHint(leftSwatch_, QStringLiteral("左選択色|現在の描画色（左）です"));
    platform::applyHint(rightSwatch_, QStringLiteral("右選択色|現在の描画色（右）です"));
    for (ColourSwatch* s : {leftSwatch_, rightSwatch_}) {
        s->setFixedHeight(20);
        swatches->addWidget(s);
        connect(s, &ColourSwatch::clicked, this, [this] { onSwatchClicked(); });
    }
    col->addLayout(swatches);

    auto* width = new QHBoxLayout;
    width->addWidget(label(QStringLiteral("Label3"), QStringLiteral("太さ"), panel));
    penWidthField_ = new platform::SpinField(1, 9, panel);
    penWidthField_->setObjectName(QStringLiteral("SpinEdit1"));
    penWidthField_->setValue(3);
    platform::applyHint(penWidthField_, QStringLiteral("線の太さ|線の太さを変更できます"));
    width->addWidget(penWidthField_);
    col->addLayout(width);

    colourGrid_ = new ColourPalette(panel);
    platform::applyHint(colourGrid_,
                        QStringLiteral("色選択|描画色をこのパレットの中から選択できます"));
    connect(colourGrid_, &ColourPalette::pressed, this, &PictureEditorWindow::onPaletteClicked);
    connect(colourGrid_, &ColourPalette::released, this, &PictureEditorWindow::onPaletteClicked);
    col->addWidget(colourGrid_, 0, Qt::AlignHCenter);

    auto* colourButton = new QPushButton(action("ActColorDlg")->text(), panel);
    colourButton->setObjectName(QStringLiteral("Button2"));
    platform::applyHint(colourButton, action("ActColorDlg")->property("hint").toString());
    connect(colourButton, &QPushButton::clicked, action("ActColorDlg"), &QAction::trigger);
    col->addWidget(colourButton);

    auto* sizeBox = new QGroupBox(QStringLiteral("　サイズ　"), panel);
    sizeBox->setObjectName(QStringLiteral("GroupBox1"));
    sizeLabel_ = label(QStringLiteral("Size"), QString(), sizeBox);
    sizeLabel_->setMinimumHeight(30);
    (new QVBoxLayout(sizeBox))->addWidget(sizeLabel_);
    col->addWidget(sizeBox);

    auto* unitBox = new QGroupBox(QStringLiteral("　表示　"), panel);
    unitBox->setObjectName(QStringLiteral("RadioGroup1"));
    unitCm_ = new QRadioButton(QStringLiteral("cm"), unitBox);
    unitPic_ = new QRadioButton(QStringLiteral("pic"), unitBox);
    unitCm_->setChecked(true);
    auto* units = new QVBoxLayout(unitBox);
    units->addWidget(unitCm_);
    units->addWidget(unitPic_);
    for (QRadioButton* r : {unitCm_, unitPic_})
        connect(r, &QRadioButton::clicked, this, [this] { showCanvasSize(); });
    col->addWidget(unitBox);

    closeButton_ = new QPushButton(action("ActClose")->text(), panel);
    closeButton_->setObjectName(QStringLiteral("Button1"));
    connect(closeButton_, &QPushButton::clicked, action("ActClose"), &QAction::trigger);
    col->addWidget(closeButton_);
    col->addStretch();
    return panel;
}

QWidget* PictureEditorWindow::buildCanvasArea() {
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(false);
    canvasArea_ = new QWidget;
    canvasArea_->setObjectName(QStringLiteral("ScrollBox1Area"));
    canvasArea_->setAutoFillBackground(true);
    canvasArea_->installEventFilter(this);
    scrollArea_->setWidget(canvasArea_);
    scrollArea_->installEventFilter(this);
    frame_ = new QWidget(canvasArea_);
    frame_->setObjectName(QStringLiteral("Panel1"));
    frame_->setAutoFillBackground(true);
    canvas_ = new PictureView(frame_);
    canvas_->move(1, 1);
    connect(canvas_, &PictureView::pressed, this, &PictureEditorWindow::onCanvasPressed);
    connect(canvas_, &PictureView::moved, this, &PictureEditorWindow::onCanvasMoved);
    connect(canvas_, &PictureView::released, this, &PictureEditorWindow::onCanvasReleased);
    return scrollArea_;
}

void PictureEditorWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    hintPanel_ = label(QStringLiteral("StatusPanel0"), QString(), bar);
    hintPanel_->setFixedWidth(600);
    pointerPanel_ = label(QStringLiteral("StatusPanel1"), QString(), bar);
    pointerPanel_->setFixedWidth(200);
    bar->addWidget(hintPanel_);
    bar->addWidget(pointerPanel_);
}

}  // namespace editor
