#include "book/AddressBookDocument.h"

#include <QFileInfo>

#include "book/RelationFilter.h"
#include "book/UnmappableList.h"
#include "book/exchange/CsvExport.h"
#include "book/exchange/VCardWriter.h"
#include "platform/files/AppPaths.h"
#include "platform/files/AtomicFile.h"

namespace book {

AddressBookDocument::AddressBookDocument(QObject* parent)
    : QObject(parent),
      whole_(this),
      filtered_(this),
      relation_(QString::fromUtf16(kFilterAll)),
      caption_(QStringLiteral("　Pelcor　　　")) {}

QString AddressBookDocument::savePath() const {
    return QFileInfo(fileName_).suffix().isEmpty() ? QString() : fileName_;
}

QString AddressBookDocument::folder() const {
    return fileName_.isEmpty() ? platform::AppPaths::addressBookFolder()
                               : QFileInfo(fileName_).absolutePath();
}

QString AddressBookDocument::saveFolder() const {
    return fileName_.isEmpty() && !foreignFileName_.isEmpty()
               ? QFileInfo(foreignFileName_).absolutePath()
               : folder();
}

void AddressBookDocument::setCaption(const QString& caption) {
    caption_ = caption;
    emit captionChanged(caption_);
}

void AddressBookDocument::showCounts() {
    const QString name =
        !fileName_.isEmpty() || foreignFileName_.isEmpty()
            ? QFileInfo(fileName_).fileName()
            : QFileInfo(foreignFileName_).fileName() + QStringLiteral("（別の形式から読み込み）");
    setCaption(bookCaption(name, whole_.rowCount() - 1, relation_, activeBook().rowCount() - 1));
}

void AddressBookDocument::selectRelation(const QString& relation) {
    relation_ = relation;
    showingAll_ = relation == QString::fromUtf16(kFilterAll);
    if (!showingAll_) filtered_.selectRelation(whole_, relation);
    emit filterChanged(showingAll_);
    showCounts();
}

void AddressBookDocument::showWholeBook() {
    relation_ = QString::fromUtf16(kFilterAll);
    showingAll_ = true;
    emit filterChanged(true);
}

QString AddressBookDocument::open(const QString& path) {
    // The file is read before the book is touched: a file that cannot be
    // read leaves the open book as it was.
    const AddressReadResult read = readAddressFile(path);
    if (!read.ok) return read.error.startsWith(path) ? read.error : path + u'\n' + read.error;
    whole_.load(read.rows);
    showWholeBook();
    modified_ = false;
    // Postal codes reach the pages without hyphens.
    whole_.removeHyphens();
    fileName_ = read.foreign ? QString() : path;
    foreignFileName_ = read.foreign ? path : QString();
    showCounts();
    return {};
}

void AddressBookDocument::newBook() {
    whole_.clear();
    fileName_.clear();
    foreignFileName_.clear();
    currentRecord_ = 1;
    showingAll_ = true;
    setCaption(QStringLiteral("　Pelcor　　　　『　新規データ　』　"));
}

QString AddressBookDocument::unsaveableRecords(const AddressRows& rows) {
    QVector<UnmappableText> unmappable;
    buildAddressFile(rows, &unmappable);
    return unmappable.isEmpty() ? QString() : describeUnmappable(unmappable, rows);
}

QString AddressBookDocument::unsaveableRecords() const {
    return unsaveableRecords(whole_.records());
}

QString AddressBookDocument::save(const QString& path) {
    const QString error = platform::writeFileAtomically(path, buildAddressFile(whole_.records()));
    if (!error.isEmpty()) return path + u'\n' + error;
    // The book shows what was written: postal codes in their plain form.
    {
        const platform::BulkUpdate once(whole_);
        whole_.addHyphens();
        whole_.removeHyphens();
        whole_.renumber();
    }
    fileName_ = path;
    foreignFileName_.clear();
    modified_ = false;
    setCaption(QStringLiteral("　Pelcor　　　　『　") + QFileInfo(path).fileName() +
               QStringLiteral("　』"));
    return {};
}

int AddressBookDocument::importRows(const AddressRows& rows, ImportMode mode) {
    // Imported rows join the whole book, so it is shown whole.
    if (!showingAll_) showWholeBook();
    const int first = putImportedRows(whole_, rows, mode);
    // A replaced book is a new one: saving must not silently write over the
    // file it came from.
    if (mode == ImportMode::Replace) {
        fileName_.clear();
        foreignFileName_.clear();
    }
    modified_ = true;
    currentRecord_ = first;
    showCounts();
    return first;
}

QString AddressBookDocument::exportTo(const QString& path, bool vcard) const {
    // Empty rows are left out.
    const AddressRows rows = filledRows(whole_.records());
    const QString error =
        platform::writeFileAtomically(path, vcard ? writeVCards(rows) : writeUtf8Csv(rows));
    return error.isEmpty() ? QString() : path + u'\n' + error;
}

int AddressBookDocument::insertRows(const platform::GridRect& selection) {
    modified_ = true;
    return whole_.insertRows(selection);
}

void AddressBookDocument::deleteRows(const platform::GridRect& selection) {
    whole_.deleteRows(selection);
    modified_ = true;
}

}  // namespace book
