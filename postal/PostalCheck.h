#pragma once
// The check the preview makes of the shown record: is its postal code in the
// dictionary, and does it belong to the record's address? It only reports;
// it changes nothing.

#include <QString>

namespace book {

class PostalDictionary;

// What to tell the user about `postalCell` (the code as the grid holds it)
// and `address` (住所1 and 住所2 together); empty when there is nothing to
// say: the code is known and fits, or there is no complete code.
QString postalCodeRemark(const PostalDictionary& dictionary, const QString& postalCell,
                         const QString& address);

}  // namespace book
