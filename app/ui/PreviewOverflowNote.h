#pragma once
// The preview's word on the shown card's fit: a red note in the status bar
// naming each field that runs off the card, into the preprinted boxes or
// over another field. It never changes the card.

#include <QObject>

#include "render/AddressSideInput.h"

class QLabel;
class QStatusBar;

namespace app {

class PreviewOverflowNote : public QObject {
    Q_OBJECT
  public:
    PreviewOverflowNote(QStatusBar* bar, QObject* parent);

    void check(const render::AddressSideInput& card);
    // The preview is left: no note.
    void clear();

    QLabel* note() const { return note_; }

  private:
    QLabel* note_;
};

}  // namespace app
