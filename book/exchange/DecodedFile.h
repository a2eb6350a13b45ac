#pragma once
// A text file from elsewhere as it travels to the book: its bytes and the
// encoding found in them, found once. Opening, importing, the import dialog
// and the command-line export all read through this value, so a file reads
// the same whichever way it comes in and its encoding is never guessed twice
// (nor guessed from a part where the whole says otherwise).

#include <QByteArray>
#include <QString>
#include <optional>

#include "book/exchange/TextEncoding.h"

namespace book {

class DecodedFile {
  public:
    explicit DecodedFile(QByteArray bytes);

    const QByteArray& bytes() const { return bytes_; }
    TextEncoding encoding() const { return encoding_; }
    // The whole text in the encoding found, decoded when first asked for:
    // the program's own files are read field by field and never need it.
    const QString& text() const;
    // The text as `encoding` reads it: the text above when that is the one
    // found, else the bytes decoded anew (the user chose another).
    QString textIn(TextEncoding encoding) const;

  private:
    QByteArray bytes_;
    TextEncoding encoding_;
    mutable std::optional<QString> text_;
};

}  // namespace book
