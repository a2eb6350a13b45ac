#pragma once
// An up-down arrow pair that holds one whole number within a range, as
// attached to the resize dialog's edit boxes. The arrows move it by one;
// the dialog copies it into the edit box beside them.

#include <QWidget>

class QToolButton;

namespace editor {

class UpDownArrows : public QWidget {
    Q_OBJECT
  public:
    UpDownArrows(const QString& name, int minimum, int maximum, QWidget* parent = nullptr);

    int position() const { return position_; }
    // Limited to the range.
    void setPosition(int value);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    // Pressing an arrow as the user does.
    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

  signals:
    // An arrow moved the number (not sent at either end of the range).
    void clicked();

  private:
    void step(int delta);

    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int position_;
};

}  // namespace editor
