#pragma once
// An integer field with up and down arrows in the manner of the classic spin
// edit: typed text is kept as typed until the field loses the focus, text
// that is not an integer reads as the minimum, the arrows step by one and
// never leave the range. A range whose ends are equal means no limit.

#include <QAbstractSpinBox>

namespace platform {

class SpinField : public QAbstractSpinBox {
    Q_OBJECT
  public:
    SpinField(int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return min_; }
    int maximum() const { return max_; }
    bool limited() const { return min_ != max_; }

    // The field's current text as an integer; anything else reads as the minimum.
    int value() const;
    // Shows `value`, brought into the range when the field has one.
    void setValue(int value);

    void stepBy(int steps) override;

    // The text box, for typing into the field as a user does.
    using QAbstractSpinBox::lineEdit;

    // Hides the text caret until the field gets the focus again.
    void hideCaret();
    bool caretHidden() const;

  signals:
    // The text changed: typing, the arrows or setValue.
    void changed();

  protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int bounded(int value) const;

    int min_;
    int max_;
};

}  // namespace platform
