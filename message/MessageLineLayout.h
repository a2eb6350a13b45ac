#pragma once
// Where each line of the body stands on the message side: the column's
// top-right corner and its font height, by card kind. Empty lines take no
// column and do not move the next one; lines past the kind's last are not
// placed.

#include <QString>
#include <vector>

#include "message/MessageSideInput.h"

namespace message {

struct PlacedLine {
    int index = 0;   // the line's index in the body
    int x = 0;       // right edge of the column
    int y = 0;       // top of the column (negative downwards)
    int height = 0;  // font height, passed on unchanged even when 0 or negative
    QString text;    // as written in the body, before any conversion
};

// Lines drawn per kind: 17 on a New Year card, 21 on an ordinary one.
inline constexpr int kNewYearLastLine = 16;
inline constexpr int kOrdinaryLastLine = 20;

// An empty list for an unknown kind or a body without text.
std::vector<PlacedLine> placeMessageLines(int cardKind, const MessageLayout& layout,
                                          const QStringList& lines);

}  // namespace message
