#pragma once
// What the headless export says about characters before and while it
// writes cards: that no Japanese face is installed (the cards would come
// out blank), and which records print a character as '?'.

#include <QString>
#include <QStringList>

#include "platform/page/PagePicture.h"
#include "render/AddressSideInput.h"

namespace app {

// A refusal in Japanese when no installed face draws Japanese text, else empty.
QString japaneseFontProblem();

// Collects, card after card, the characters that print as '?'.
class UnprintableCharacters {
  public:
    // The card of book row `row` (1-based), drawn from `in` as `card`.
    void check(int row, const render::AddressSideInput& in, const platform::PagePicture& card);
    // One line per record with such characters (at most a screenful, then
    // how many more), and one for the sender's.
    QStringList lines() const;

  private:
    QStringList lines_;
    int records_ = 0;
    QStringList sender_;
};

}  // namespace app
