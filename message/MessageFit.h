#pragma once
// Which lines of a body the message side cannot show in full: drawn columns
// that run past the card's bottom or left edge, and lines with text after
// the last line the card kind draws. The page says so in its status line and
// the export on standard error, instead of losing them without a word.

#include <QString>
#include <QVector>

#include "message/MessageSideInput.h"

namespace message {

struct MessageFit {
    QVector<int> offCard;  // line numbers (from 1) of drawn columns that leave the card
    int firstUndrawn = 0;  // number of the first line with text that is not drawn; 0 if none
    bool fits() const { return offCard.isEmpty() && firstUndrawn == 0; }
};

// Measures each column with the fonts it is drawn with.
MessageFit checkMessageFit(const MessageSideInput& input);

// One Japanese sentence or two; empty when everything fits.
QString messageFitWarning(const MessageFit& fit);

}  // namespace message
