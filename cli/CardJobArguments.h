#pragma once
// What a command-line job puts on cards: the address side of a book's
// records, or the message side from a text and a picture. Writing a PDF and
// printing take the same arguments after their own, and refuse alike what
// they could not honour.

#include <QString>
#include <QStringList>

namespace app {

enum class CardSide { Address, Message };

struct CardJob {
    QStringList inputs;  // a book (.csv, .vcf, .vcard), or a message text (.txt) and a picture
    CardSide side = CardSide::Address;
    int kind = -1;     // MediaKind, -1: the settings file's choice
    int firstRow = 1;  // records, 1-based and inclusive; lastRow 0: to the end
    int lastRow = 0;
    bool marks = false;         // draw the screen-only marks too
    bool envelopeBack = false;  // the sender side of an envelope
};

// The side a file names by its extension: a book or a message text. False
// for anything else.
bool cardSideOf(const QString& path, CardSide& side);

// Reads the inputs and options in `arguments`, in any order. Returns an
// empty string, or a message in Japanese that names the argument refused:
// an unknown option, an option without its value or with a wrong one, a
// second book or picture, an option that means nothing for the side asked
// for, or a first file that is neither a book nor a message text.
QString parseCardJob(const QStringList& arguments, CardJob& job);

}  // namespace app
