#pragma once
// The address sides a command-line job puts on cards, whether it writes a
// PDF or prints: the records asked for, read from the book, and the card
// each is drawn on (the settings file's choices, the job's kind and side).

#include <QString>
#include <QStringList>

#include "book/BookModel.h"
#include "cli/CardJobArguments.h"
#include "postal/PostalDictionaryFile.h"
#include "render/AddressSideInput.h"

namespace app {

class AddressCardJob {
  public:
    AddressCardJob();

    // Reads the book's rows job.firstRow..job.lastRow and the settings file.
    // Returns an empty string, or why no card can be drawn, in Japanese.
    QString prepare(const CardJob& job, const QString& settingsFile);

    int firstRow() const { return first_; }  // of the whole book, 1-based
    int mediaKind() const { return card_.mediaKind; }
    int cardCount() const { return last_ - first_ + 1; }
    // The card of the job's `index`-th record (0-based), with its barcode.
    const render::AddressSideInput& card(int index);
    // Notes from reading the book (stray bytes, cards without an address).
    const QStringList& readNotes() const { return readNotes_; }
    // The lines that name the records running off their card; none when all fit.
    QStringList overflowLines() const;
    // The records drawn so far that got no customer barcode, with the reason.
    const QStringList& barcodeLines() const { return barcodeLines_; }

  private:
    book::BookModel records_;  // the rows kept, numbered as in the whole book
    book::PostalDictionaryFile dictionary_;
    render::AddressSideInput card_;
    QStringList readNotes_, barcodeLines_;
    int first_ = 1, last_ = 0;
};

}  // namespace app
