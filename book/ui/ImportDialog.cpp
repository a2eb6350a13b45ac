#include "book/ui/ImportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "records/AddressRecord.h"

namespace book {
namespace {

constexpr int kPreviewRows = 20;

const TextEncoding kEncodings[] = {TextEncoding::Utf8, TextEncoding::Utf16LE, TextEncoding::Cp932};
const QChar kSeparators[] = {QLatin1Char(','), QLatin1Char('\t'), QLatin1Char(';')};

int encodingIndex(TextEncoding e) {
    return e == TextEncoding::Utf8 ? 0 : e == TextEncoding::Cp932 ? 2 : 1;
}

}  // namespace

ImportDialog::ImportDialog(const QString& path, const QByteArray& bytes,
                           const RememberedMappings& remembered, QWidget* parent)
    : QDialog(parent), file_(bytes), kind_(importKindOf(path)) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(QStringLiteral("インポート"));
    resize(720, 480);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("ファイル: ") + QFileInfo(path).fileName(), this));

    csvOptions_ = new QWidget(this);
    auto* options = new QHBoxLayout(csvOptions_);
    options->setContentsMargins(0, 0, 0, 0);
    encodingBox_ = new QComboBox(csvOptions_);
    encodingBox_->setObjectName(QStringLiteral("ImportEncoding"));
    encodingBox_->addItems(
        {QStringLiteral("UTF-8"), QStringLiteral("UTF-16"), QStringLiteral("CP932 (Shift_JIS)")});
    separatorBox_ = new QComboBox(csvOptions_);
    separatorBox_->setObjectName(QStringLiteral("ImportSeparator"));
    separatorBox_->addItems(
        {QStringLiteral("カンマ（,）"), QStringLiteral("タブ"), QStringLiteral("セミコロン（;）")});
    headerCheck_ = new QCheckBox(QStringLiteral("先頭の行は見出し"), csvOptions_);
    headerCheck_->setObjectName(QStringLiteral("ImportHeader"));
    options->addWidget(new QLabel(QStringLiteral("文字コード"), csvOptions_));
    options->addWidget(encodingBox_);
    options->addSpacing(12);
    options->addWidget(new QLabel(QStringLiteral("区切り"), csvOptions_));
    options->addWidget(separatorBox_);
    options->addSpacing(12);
    options->addWidget(headerCheck_);
    options->addStretch();
    layout->addWidget(csvOptions_);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("ImportPreview"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    layout->addWidget(table_, 1);

    auto* modes = new QHBoxLayout;
    append_ = new QRadioButton(QStringLiteral("今の宛名データの後ろに追加する"), this);
    append_->setObjectName(QStringLiteral("ImportAppend"));
    replace_ = new QRadioButton(QStringLiteral("今の宛名データと置き換える"), this);
    replace_->setObjectName(QStringLiteral("ImportReplace"));
    append_->setChecked(true);
    modes->addWidget(append_);
    modes->addWidget(replace_);
    modes->addStretch();
    layout->addLayout(modes);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("ImportMessage"));
    message_->setWordWrap(true);
    layout->addWidget(message_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("取り込む"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons_);

    if (kind_ == ImportKind::VCard) {
        csvOptions_->hide();
        result_ = importVCard(file_);
        showCards();
        return;
    }
    choices_ = guessCsvChoices(file_);
    preview_ = previewCsv(file_, choices_, kPreviewRows + 1);
    const QStringList header = choices_.header ? preview_.value(0) : QStringList();
    if (const RememberedMapping known =
            findRemembered(remembered, header, int(choices_.mapping.size()));
        !known.mapping.isEmpty()) {
        const qsizetype widest = choices_.mapping.size();
        choices_.mapping = known.mapping;
        choices_.mapping.resize(std::max(widest, choices_.mapping.size()));
    }
    encodingBox_->setCurrentIndex(encodingIndex(choices_.encoding));
    separatorBox_->setCurrentIndex(choices_.separator == QLatin1Char('\t')  ? 1
                                   : choices_.separator == QLatin1Char(';') ? 2
                                                                            : 0);
    headerCheck_->setChecked(choices_.header);
    connect(encodingBox_, &QComboBox::currentIndexChanged, this,
            &ImportDialog::readEncodingAndSeparator);
    connect(separatorBox_, &QComboBox::currentIndexChanged, this,
            &ImportDialog::readEncodingAndSeparator);
    connect(headerCheck_, &QCheckBox::toggled, this, &ImportDialog::headerToggled);
    rebuildCsvPreview();
}

ImportMode ImportDialog::mode() const {
    return replace_->isChecked() ? ImportMode::Replace : ImportMode::Append;
}

RememberedMapping ImportDialog::mappingToRemember() const {
    return {choices_.header ? preview_.value(0) : QStringList(), choices_.mapping};
}

void ImportDialog::readEncodingAndSeparator() {
    TextEncoding encoding = kEncodings[std::max(0, encodingBox_->currentIndex())];
    // UTF-16 without a mark is taken as little-endian, as Windows writes it.
    if (encoding == TextEncoding::Utf16LE && file_.encoding() == TextEncoding::Utf16BE)
        encoding = TextEncoding::Utf16BE;
    choices_.encoding = encoding;
    choices_.separator = kSeparators[std::max(0, separatorBox_->currentIndex())];
    // Other text means other header names: guess the columns again.
    guessColumns(choices_, previewCsv(file_, choices_, kPreviewRows + 1));
    const QSignalBlocker quiet(headerCheck_);
    headerCheck_->setChecked(choices_.header);
    rebuildCsvPreview();
}

void ImportDialog::headerToggled(bool on) {
    choices_.header = on;
    if (on) {
        const FieldMapping named = mapHeader(preview_.value(0));
        if (named.count(ImportField::None) < named.size()) {
            choices_.mapping = named;
            choices_.mapping.resize(std::max(named.size(), qsizetype(table_->columnCount())));
        }
    }
    rebuildCsvPreview();
}

void ImportDialog::setColumnField(int column, ImportField field) {
    if (column < 0 || column >= choices_.mapping.size()) return;
    choices_.mapping[column] = field;
    if (QComboBox* box = columnBox(column)) {
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(box->findData(int(field)));
    }
    refreshResult();
}

void ImportDialog::rebuildCsvPreview() {
    preview_ = previewCsv(file_, choices_, kPreviewRows + 1);
    int columns = int(choices_.mapping.size());
    for (const QStringList& row : preview_) columns = std::max(columns, int(row.size()));
    choices_.mapping.resize(columns);

    table_->clear();
    columnBoxes_.clear();
    if (columns > kMaxImportColumns) {
        // A choice box for each of a hundred thousand columns would take
        // minutes and gigabytes; such a file is no address book anyway.
        table_->setColumnCount(0);
        table_->setRowCount(0);
        showRefusal(tooManyColumnsError(columns));
        return;
    }
    table_->setColumnCount(columns);
    table_->setRowCount(int(preview_.size()) + 1);
    QStringList labels;
    for (int c = 0; c < columns; ++c) labels << QString::number(c + 1);
    table_->setHorizontalHeaderLabels(labels);
    QStringList rowLabels{QStringLiteral("項目")};
    for (int r = 0; r < preview_.size(); ++r)
        rowLabels << (choices_.header && r == 0 ? QStringLiteral("見出し")
                                                : QString::number(r + (choices_.header ? 0 : 1)));
    table_->setVerticalHeaderLabels(rowLabels);

    for (int c = 0; c < columns; ++c) {
        auto* box = new QComboBox(table_);
        box->setObjectName(QStringLiteral("ImportColumn%1").arg(c + 1));
        for (const ImportFieldInfo& info : importFields())
            box->addItem(QString::fromUtf16(info.label), int(info.field));
        box->setCurrentIndex(box->findData(int(choices_.mapping[c])));
        connect(box, &QComboBox::activated, this,
                [this, c, box] { setColumnField(c, ImportField(box->currentData().toInt())); });
        table_->setCellWidget(0, c, box);
        columnBoxes_.append(box);
    }
    for (int r = 0; r < preview_.size(); ++r) {
        for (int c = 0; c < preview_[r].size(); ++c) {
            auto* item = new QTableWidgetItem(preview_[r][c]);
            if (choices_.header && r == 0) item->setForeground(Qt::darkGray);
            table_->setItem(r + 1, c, item);
        }
    }
    table_->resizeColumnsToContents();
    refreshResult();
}

void ImportDialog::showCards() {
    const QStringList names = records::gridHeaderCells();
    table_->setColumnCount(records::kColumnCount - 1);
    table_->setHorizontalHeaderLabels(names.mid(1));
    const int shown = int(std::min<qsizetype>(result_.rows.size(), kPreviewRows));
    table_->setRowCount(shown);
    for (int r = 0; r < shown; ++r)
        for (int c = 1; c < records::kColumnCount; ++c)
            table_->setItem(r, c - 1, new QTableWidgetItem(result_.rows[r][c]));
    table_->resizeColumnsToContents();
    refreshResult();
}

void ImportDialog::showRefusal(QString why) {  // a copy: it may be result_.error
    result_ = ImportResult();
    result_.error = why;
    message_->setStyleSheet(QStringLiteral("color: #b00000;"));
    message_->setText(why);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(false);
}

void ImportDialog::refreshResult() {
    if (kind_ == ImportKind::Csv) result_ = importCsv(file_, choices_);
    if (!result_.ok()) {
        showRefusal(result_.error);
        return;
    }
    // Said before anything is imported: cards without an address would
    // print blank.
    QStringList lines = result_.notes;
    if (kind_ == ImportKind::Csv) {
        if (const QString missing = missingAddressNote(choices_.mapping); !missing.isEmpty())
            lines.prepend(missing);
    }
    lines << QStringLiteral("%1 件の宛名を取り込みます。").arg(result_.rows.size());
    message_->setStyleSheet(lines.size() > 1 ? QStringLiteral("color: #b00000;") : QString());
    message_->setText(lines.join(QLatin1Char('\n')));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(true);
}

}  // namespace book
