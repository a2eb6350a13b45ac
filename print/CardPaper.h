#pragma once
// The paper of a print job: the card's own size, or the printer's medium of
// that size, or what the user chose for this printer and kind before.

#include <QList>
#include <QPageSize>
#include <QString>
#include <functional>

#include "platform/seams/PrintTarget.h"

namespace print {

// The card's own paper, portrait as it is drawn; A4 for the list
// (kListSheet). Invalid for any other index.
QPageSize ownPaper(int kind);

// The printer's own medium of the same size when it offers one (so the
// driver sends its own name for it), else `wanted` as it is.
QPageSize matchOffered(const QPageSize& wanted, const QList<QPageSize>& offered);

// Before the dialog: the paper kept for the chosen printer and kind, or the
// kind's own; cards are drawn from the paper's corner with the printer's
// calibration, the list inside the printable area.
void preparePaper(platform::PrintTarget& target, const QString& settingsFile, int kind);

// After the dialog: a paper or tray the user changed is kept for the printer
// and kind. When the user turned to another printer, which starts on its own
// default paper, the kind's paper for that printer is set again.
void settlePaper(platform::PrintTarget& target, const QString& settingsFile, int kind,
                 const QString& printerBefore, const platform::JobPaper& paperBefore);

// Runs a print or setup dialog between the two: the dialog opens on the
// kind's paper and the job keeps it unless the user chose another.
bool withKindPaper(platform::PrintTarget& target, const QString& settingsFile, int kind,
                   const std::function<bool()>& dialog);

}  // namespace print
