#pragma once
// Printing cards without a window: the address side of every record of a
// book (or of some rows), or the message side, through the same paper,
// placement and calibration as the print command of the window.

#include <QString>
#include <QStringList>

#include "cli/CardJobArguments.h"

namespace platform {
class PrintTarget;
}

namespace app {

struct PrintRequest : CardJob {
    QString printer;       // empty: the system's default printer
    QString settingsFile;  // choices, sender, adjustments, paper and calibration
};

// Parses "--print BOOK [--printer NAME] [--kind N] [--rows A-B] [--marks] [--back]"
// or "--print BODY.txt [PICTURE] [--printer NAME]"; on a mistake returns false
// with `error` set (in Japanese).
bool parsePrintRequest(const QStringList& arguments, PrintRequest& request, QString& error);

// Chooses the printer, sets the kind's paper and prints; returns an empty
// string or what went wrong.
QString printCards(platform::PrintTarget& target, const PrintRequest& request);

}  // namespace app
