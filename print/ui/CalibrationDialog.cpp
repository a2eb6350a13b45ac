#include "print/ui/CalibrationDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "platform/seams/Dialogs.h"
#include "platform/seams/PrintTarget.h"
#include "print/CalibrationCard.h"
#include "print/CardPaper.h"
#include "print/PrintJob.h"
#include "print/PrinterMemory.h"
#include "render/AddressSideOutput.h"
#include "render/MediaKind.h"

namespace print {
namespace {

QDoubleSpinBox* millimetres(const QString& name, QWidget* parent) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(-kMaxCalibrationMm, kMaxCalibrationMm);
    spin->setSingleStep(0.1);
    spin->setDecimals(1);
    spin->setSuffix(QStringLiteral(" mm"));
    return spin;
}

QString printerCaption(const QString& name) {
    return name.isEmpty() ? QStringLiteral("（ファイルへ出力）") : name;
}

}  // namespace

CalibrationDialog::CalibrationDialog(platform::PrintTarget& printer, platform::Dialogs& dialogs,
                                     QString settingsFile, int kind, QWidget* parent)
    : QDialog(parent),
      printer_(printer),
      dialogs_(dialogs),
      settingsFile_(std::move(settingsFile)) {
    setObjectName(QStringLiteral("CalibrationDialog"));
    setWindowTitle(QStringLiteral("印刷位置の調整"));

    auto* intro =
        new QLabel(QStringLiteral("プリンタによっては、ハガキや封筒が少しずれて送られます。\n"
                                  "調整用カードを普通紙か書き損じのハガキに印刷し、十字の中心が\n"
                                  "書かれた位置（左端から、上端から mm）からどれだけずれたかを\n"
                                  "入力してください。右と下へのずれがプラスです。2 本の目盛りは、\n"
                                  "左端・上端から %1 mm の所の数字がそのままずれの量です。\n"
                                  "調整はプリンタと用紙の種類ごとに覚え、以後の印刷に使います\n"
                                  "（PDF への書き出しとプレビューは変わりません）。")
                       .arg(kRulerZeroMm),
                   this);
    intro->setObjectName(QStringLiteral("calibrationIntro"));

    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("calibrationKind"));
    for (int k = 0; k < render::kMediaKindCount; ++k)
        kind_->addItem(QString::fromUtf16(render::mediaKindInfo(render::MediaKind(k)).item));
    kind_->setCurrentIndex(std::clamp(kind, 0, render::kMediaKindCount - 1));

    printerName_ = new QLabel(this);
    printerName_->setObjectName(QStringLiteral("calibrationPrinter"));
    where_ = new QLabel(this);
    where_->setObjectName(QStringLiteral("calibrationMarks"));
    x_ = millimetres(QStringLiteral("calibrationX"), this);
    y_ = millimetres(QStringLiteral("calibrationY"), this);

    auto* printButton = new QPushButton(QStringLiteral("調整用カードを印刷..."), this);
    printButton->setObjectName(QStringLiteral("calibrationPrint"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("用紙の種類"), kind_);
    form->addRow(QStringLiteral("プリンタ"), printerName_);
    form->addRow(QStringLiteral("十字の位置"), where_);
    form->addRow(QString(), printButton);
    form->addRow(QStringLiteral("横のずれ（右が＋）"), x_);
    form->addRow(QStringLiteral("縦のずれ（下が＋）"), y_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(kind_, &QComboBox::currentIndexChanged, this, [this] { showStored(); });
    connect(printButton, &QPushButton::clicked, this, [this] { printCard(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CalibrationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CalibrationDialog::reject);
    showStored();
}

void CalibrationDialog::showStored() {
    const int kind = kind_->currentIndex();
    printerName_->setText(printerCaption(printer_.printerName()));
    QStringList marks;
    for (const QPointF& c : calibrationMarks(kind))
        marks << QStringLiteral("%1, %2").arg(c.x(), 0, 'f', 1).arg(c.y(), 0, 'f', 1);
    where_->setText(marks.join(QStringLiteral(" / ")) + QStringLiteral(" mm"));
    const QPointF stored = readCalibration(settingsFile_, printer_.printerName(), kind);
    x_->setValue(stored.x());
    y_->setValue(stored.y());
}

void CalibrationDialog::printCard() {
    const int kind = kind_->currentIndex();
    if (!withKindPaper(printer_, settingsFile_, kind,
                       [this] { return printer_.choosePrinter(this); })) {
        showStored();
        return;
    }
    // The card shows where the printer puts things of its own accord.
    platform::JobPaper paper = printer_.jobPaper();
    paper.offsetMm = QPointF();
    printer_.setJobPaper(paper);
    const QString error = runPrintJob(
        printer_, QStringLiteral("印刷位置の調整"), 1,
        [&](QPainter& painter, int) { render::printAddressSide(painter, calibrationCard(kind)); });
    showStored();
    if (!error.isEmpty()) dialogs_.error(this, error);
}

void CalibrationDialog::accept() {
    if (!writeCalibration(settingsFile_, printer_.printerName(), kind_->currentIndex(),
                          QPointF(x_->value(), y_->value()))) {
        dialogs_.error(this, QStringLiteral("%1 に書き込めません").arg(settingsFile_));
        return;
    }
    QDialog::accept();
}

}  // namespace print
