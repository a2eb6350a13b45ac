#include "editor/ui/ResizePictureDialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "editor/StretchPicture.h"
#include "editor/ui/PictureHost.h"
#include "editor/ui/UpDownArrows.h"
#include "platform/page/WindowFonts.h"
#include "platform/seams/Dialogs.h"

namespace editor {
namespace {

constexpr ResizeField kAllFields[] = {ResizeField::Scale,         ResizeField::WidthPercent,
                                      ResizeField::HeightPercent, ResizeField::WidthPixels,
                                      ResizeField::HeightPixels,  ResizeField::WidthMm,
                                      ResizeField::HeightMm};
constexpr ResizeField kColumnFields[] = {ResizeField::WidthPercent, ResizeField::HeightPercent,
                                         ResizeField::WidthPixels,  ResizeField::HeightPixels,
                                         ResizeField::WidthMm,      ResizeField::HeightMm};

QFrame* bevel(const QString& name, QRect at, QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    f->setGeometry(at);
    f->lower();
    return f;
}

QLabel* placedLabel(const QString& name, const QString& text, QPoint at, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->move(at);
    l->adjustSize();
    return l;
}

// Whole numbers as typed: optional sign and digits, nothing else.
std::optional<qint64> parseWholeNumber(const QString& text) {
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    if (!ok) return std::nullopt;
    return v;
}

}  // namespace

ResizePictureDialog::ResizePictureDialog(PictureHost& editor, platform::Dialogs& dialogs,
                                         QWidget* parent)
    : QDialog(parent), editor_(editor), dialogs_(dialogs) {
    setObjectName(QStringLiteral("ResizePictureDialog"));
    setWindowTitle(QStringLiteral("　Pictan　　Zandor　　　拡大・縮小"));
    setFont(platform::windowFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    setFixedSize(532, 232);
    setModal(false);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    buildControls();
    // Creation leaves the state every showing starts from.
    startAtFullSize();
}

void ResizePictureDialog::buildField(ResizeField field, QPoint editAt) {
    static const char* const kNumbers[] = {"1", "2", "3", "4", "5", "6", "7"};
    const char* n = kNumbers[size_t(field)];
    auto* e = new QLineEdit(this);
    e->setObjectName(QStringLiteral("Edit") + QLatin1String(n));
    e->setGeometry(QRect(editAt, QSize(50, 24)));
    QFont bold = e->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    e->setFont(bold);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    // Disabled fields still show their values, as read-only displays.
    pal.setColor(QPalette::Disabled, QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(0x60, 0x60, 0x60));
    e->setPalette(pal);
    const FieldRange r = fieldRange(field);
    auto* u = new UpDownArrows(QStringLiteral("UpDown") + QLatin1String(n), r.min, r.max, this);
    u->move(editAt + QPoint(50, 0));
    edits_[size_t(field)] = e;
    upDowns_[size_t(field)] = u;
    connect(e, &QLineEdit::textChanged, this, [this, field] { onFieldEdited(field); });
    connect(u, &UpDownArrows::clicked, this, [this, field] { onArrowClicked(field); });
}

void ResizePictureDialog::buildControls() {
    bevel(QStringLiteral("Bevel1"), QRect(10, 8, 200, 60), this);
    scaleLabel_ = placedLabel(QStringLiteral("Label1"), QStringLiteral("拡大・縮小 （％）"),
                              QPoint(25, 27), this);
    buildField(ResizeField::Scale, QPoint(135, 24));

    modeBox_ = new QGroupBox(QStringLiteral("　モードの選択　"), this);
    modeBox_->setObjectName(QStringLiteral("RadioGroup1"));
    modeBox_->setGeometry(10, 80, 200, 100);
    modes_ = new QButtonGroup(this);
    auto* modeColumn = new QVBoxLayout(modeBox_);
    modeColumn->setSpacing(2);
    const QString modeTexts[] = {
        QStringLiteral("縦横比を崩さず設定する"), QStringLiteral("縦と横を個別に設定する"),
        QStringLiteral("【はがき】サイズにする"), QStringLiteral("【アイコン】サイズにする")};
    for (int i = 0; i < 4; ++i) {
        auto* r = new QRadioButton(modeTexts[i], modeBox_);
        modes_->addButton(r, i);
        modeColumn->addWidget(r);
    }
    connect(modes_, &QButtonGroup::idClicked, this,
            [this](int id) { onModeChosen(ResizeMode(id)); });

    bevel_ = bevel(QStringLiteral("Bevel2"), QRect(224, 8, 290, 170), this);
    unitBox_ = new QGroupBox(QStringLiteral(" 単位の選択 "), this);
    unitBox_->setObjectName(QStringLiteral("RadioGroup2"));
    unitBox_->setGeometry(240, 24, 90, 140);
    units_ = new QButtonGroup(this);
    auto* unitColumn = new QVBoxLayout(unitBox_);
    unitColumn->setContentsMargins(3, 6, 0, 6);  // the group is narrow
    const QString unitTexts[] = {QStringLiteral("パーセント"), QStringLiteral("ピクセル"),
                                 QStringLiteral("ミリメートル")};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(unitTexts[i], unitBox_);
        units_->addButton(r, i);
        unitColumn->addWidget(r);
    }
    connect(units_, &QButtonGroup::idClicked, this,
            [this](int id) { onUnitChosen(ResizeUnit(id)); });

    QFont bold = font();
    bold.setBold(true);
    widthLabel_ =
        placedLabel(QStringLiteral("Label2"), QStringLiteral("よ　こ"), QPoint(352, 28), this);
    heightLabel_ =
        placedLabel(QStringLiteral("Label3"), QStringLiteral("た　て"), QPoint(442, 28), this);
    for (QLabel* l : {widthLabel_, heightLabel_}) {
        l->setFont(bold);
        l->adjustSize();
    }
    const int rows[] = {48, 88, 128};
    for (int row = 0; row < 3; ++row) {
        buildField(kColumnFields[row * 2], QPoint(345, rows[row]));
        buildField(kColumnFields[row * 2 + 1], QPoint(435, rows[row]));
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setGeometry(230, 192, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ResizePictureDialog::applyResize);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setGeometry(350, 192, 75, 25);
    // QDialog's Escape goes to reject(), which only hides: the Cancel path.
    connect(cancel, &QPushButton::clicked, this, &ResizePictureDialog::cancelResize);
}

ResizeFields ResizePictureDialog::fields() const {
    ResizeFields f;
    f.mode = ResizeMode(qMax(0, modes_->checkedId()));
    f.unit = ResizeUnit(qMax(0, units_->checkedId()));
    for (ResizeField field : kAllFields) f[field] = upDowns_[size_t(field)]->position();
    return f;
}

void ResizePictureDialog::showFields(const ResizeFields& values,
                                     std::optional<ResizeField> typedIn) {
    showing_ = true;
    for (ResizeField field : kAllFields) {
        upDowns_[size_t(field)]->setPosition(values[field]);
        QLineEdit* edit = edits_[size_t(field)];
        if (field == typedIn && parseWholeNumber(edit->text()) == values[field]) continue;
        edit->setText(QString::number(values[field]));
    }
    checkRadio(modes_, int(values.mode));
    checkRadio(units_, int(values.unit));
    showing_ = false;
}

void ResizePictureDialog::checkRadio(QButtonGroup* group, int id) {
    if (QAbstractButton* b = group->button(id)) b->setChecked(true);
}

void ResizePictureDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) startAtFullSize();
}

void ResizePictureDialog::startAtFullSize() {
    ResizeFields f = fields();
    resetForShow(f);
    showFields(f);
    applyModeEnabling(ResizeMode::KeepProportions);
}

void ResizePictureDialog::applyModeEnabling(ResizeMode mode) {
    const bool keep = mode == ResizeMode::KeepProportions;
    const bool separate = mode == ResizeMode::Separate;
    unitBox_->setEnabled(separate);
    for (QWidget* w : {static_cast<QWidget*>(edits_[0]), static_cast<QWidget*>(upDowns_[0]),
                       static_cast<QWidget*>(scaleLabel_)})
        w->setEnabled(keep);
    bevel_->setEnabled(separate);
    widthLabel_->setEnabled(separate);
    heightLabel_->setEnabled(separate);
    for (ResizeField field : kColumnFields) {
        edits_[size_t(field)]->setEnabled(false);
        upDowns_[size_t(field)]->setEnabled(false);
    }
    if (separate) applyUnitEnabling(ResizeUnit(qMax(0, units_->checkedId())));
}

void ResizePictureDialog::applyUnitEnabling(ResizeUnit unit) {
    const ResizeField live[3][2] = {{ResizeField::WidthPercent, ResizeField::HeightPercent},
                                    {ResizeField::WidthPixels, ResizeField::HeightPixels},
                                    {ResizeField::WidthMm, ResizeField::HeightMm}};
    for (ResizeField field : kColumnFields) {
        edits_[size_t(field)]->setEnabled(false);
        upDowns_[size_t(field)]->setEnabled(false);
    }
    for (ResizeField field : live[int(unit)]) edits_[size_t(field)]->setEnabled(true);
    // Only percentages step with the arrows.
    if (unit == ResizeUnit::Percent)
        for (ResizeField field : live[0]) upDowns_[size_t(field)]->setEnabled(true);
}

void ResizePictureDialog::onModeChosen(ResizeMode mode) {
    ResizeFields f = fields();
    chooseMode(f, mode, editor_.pictureSize());
    showFields(f);
    applyModeEnabling(mode);
}

void ResizePictureDialog::onUnitChosen(ResizeUnit unit) {
    ResizeFields f = fields();
    if (f.mode != ResizeMode::Separate) return;
    chooseUnit(f, unit);
    showFields(f);
    applyUnitEnabling(unit);
}

void ResizePictureDialog::enterValue(ResizeField field, int value, bool typed) {
    ResizeFields f = fields();
    if (!enterField(f, field, value, editor_.pictureSize())) return;
    showFields(f, typed ? std::optional(field) : std::nullopt);
}

void ResizePictureDialog::onFieldEdited(ResizeField field) {
    if (showing_) return;
    QLineEdit* e = edits_[size_t(field)];
    const QString typed = e->text();
    if (typed.isEmpty()) return;  // the value stays until digits are typed
    const auto value = parseWholeNumber(typed);
    if (!value) {
        dialogs_.error(this, QStringLiteral("'%1' は整数ではありません").arg(typed));
        showFields(fields());
        return;
    }
    if (!fieldIsLive(fields(), field)) return;
    const FieldRange r = fieldRange(field);
    enterValue(field, int(std::clamp<qint64>(*value, r.min, r.max)), true);
}

void ResizePictureDialog::onArrowClicked(ResizeField field) {
    const int value = upDowns_[size_t(field)]->position();
    showing_ = true;
    edits_[size_t(field)]->setText(QString::number(value));
    showing_ = false;
    enterValue(field, value);
}

void ResizePictureDialog::applyResize() {
    const QSize target = resizeTarget(fields(), editor_.pictureSize());
    StretchResult stretched = stretchPicture(editor_.currentPicture(), target);
    if (!stretched.ok) {
        // The picture stays as it was and the dialog stays open.
        dialogs_.error(this, stretched.error);
        return;
    }
    editor_.replacePicture(stretched.picture, target);
    hide();
}

void ResizePictureDialog::cancelResize() { hide(); }

}  // namespace editor
