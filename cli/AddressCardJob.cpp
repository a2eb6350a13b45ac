#include "cli/AddressCardJob.h"

#include <algorithm>
#include <optional>

#include "book/BarcodeAddress.h"
#include "book/exchange/ImportSource.h"
#include "cli/ExportCharacters.h"
#include "cli/OverflowLines.h"
#include "records/AddressRecord.h"
#include "render/MediaKind.h"
#include "settings/SettingsInput.h"

namespace app {
namespace {

// Cards that print without any address, named by their rows.
QString missingAddressNote(const book::AddressRows& rows, int firstRow) {
    QStringList named;
    int count = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList& r = rows[i];
        if (!r.value(records::ColAddress1).trimmed().isEmpty() ||
            !r.value(records::ColAddress2).trimmed().isEmpty())
            continue;
        if (++count <= 10) named << QString::number(firstRow + i);
    }
    if (count == 0) return QString();
    return QStringLiteral(
               "%1 件の宛名には住所がありません（%2%3 行目）。"
               "住所の列が読み取れているか確かめてください。")
        .arg(count)
        .arg(named.join(QStringLiteral(", ")), count > 10 ? QStringLiteral(" ほか") : QString());
}

}  // namespace

AddressCardJob::AddressCardJob() : dictionary_(book::PostalDictionaryFile::defaultPath()) {}

QString AddressCardJob::prepare(const CardJob& job, const QString& settingsFile) {
    // A .csv reads as opening it would; a .vcf as importing it would. Only
    // the records asked for are kept, so a few cards of a huge file take
    // little memory.
    first_ = std::max(1, job.firstRow);
    const book::ImportResult read = book::importFile(job.inputs.first(), first_, job.lastRow);
    if (!read.ok()) return read.error;
    // The records as the program holds them once opened: numbered as in the
    // whole book, postal codes without their hyphen.
    records_.load(read.rows);
    records_.removeHyphens();
    for (int r = 1; r < records_.rowCount(); ++r)
        records_.setCell(records::ColNumber, r, QString::number(first_ + r - 1));
    if (const QString why = japaneseFontProblem(); !why.isEmpty()) return why;

    card_ = addressSideInputFromSettings(settingsFile);
    if (job.kind >= 0) card_.mediaKind = job.kind;
    const std::optional<render::MediaKind> kind = render::mediaKindFromIndex(card_.mediaKind);
    if (!kind)
        return QStringLiteral(
            "はがき・封筒の種類が選ばれていません。--kind 0 から 5 で指定してください。");
    if (job.envelopeBack && !render::mediaKindInfo(*kind).isEnvelope())
        return QStringLiteral(
            "--back は封筒（--kind 2 から "
            "5）のためのオプションです。はがきの宛名面は一つだけです。");
    card_.envelopeBack = job.envelopeBack;
    card_.target = job.marks ? platform::OutputTarget::Screen : platform::OutputTarget::Printer;

    last_ = job.lastRow > 0 ? std::min(job.lastRow, read.total) : read.total;
    if (first_ > last_)
        return QStringLiteral("指定した行（--rows）に宛名がありません（宛名は %1 件です）。")
            .arg(read.total);
    // The customer barcode needs the dictionary; without it none is printed.
    if (card_.barcode.print && !card_.envelopeBack && !dictionary_.get())
        return dictionary_.takeFailure();
    if (!job.envelopeBack) {
        readNotes_ = read.notes;
        if (const QString missing = missingAddressNote(read.rows, first_); !missing.isEmpty())
            readNotes_ << missing;
    }
    return QString();
}

const render::AddressSideInput& AddressCardJob::card(int index) {
    card_.record = book::recordAt(records_, 1 + index);
    if (const QString why = book::attachRecordBarcode(card_, dictionary_);
        !why.isEmpty() && !card_.envelopeBack)
        barcodeLines_ << QStringLiteral("宛名 %1（%2）: %3")
                             .arg(records_.cell(records::ColNumber, 1 + index),
                                  records_.cell(records::ColName, 1 + index), why);
    return card_;
}

QStringList AddressCardJob::overflowLines() const {
    return app::overflowLines(findRecordOverflows(card_, records_, 1, cardCount()));
}

}  // namespace app
