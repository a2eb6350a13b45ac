#pragma once
// When the postal code of an office fills the address, the office's name is
// offered for the company field (会社名): put there when the field is empty,
// only named in the status line when the field holds something else.
// Nothing the user typed is ever overwritten.

#include <QString>
#include <vector>

#include "postal/PostalDictionary.h"

class QLineEdit;

namespace book {

// `places` are the dictionary's entries for the address just filled. Returns
// what to say in the status line, or nothing.
QString offerOfficeName(QLineEdit* company, const std::vector<PostalPlace>& places);

}  // namespace book
