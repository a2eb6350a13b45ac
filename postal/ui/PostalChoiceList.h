#pragma once
// The candidates of a postal code that stands for several towns: a small
// popup under the address field with a search line over a scrolling list,
// so that even a code of many dozen towns stays within the window. Typing
// narrows the list, the arrow keys move in it, Enter or a click takes the
// entry and Esc closes it without a choice.

#include <QFrame>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace book {

class PostalChoiceList : public QFrame {
    Q_OBJECT
  public:
    PostalChoiceList(const QStringList& items, QWidget* anchor);

    // Shows the list just under `anchor_`, the search line focused.
    void popup();

    QLineEdit* searchLine() const { return search_; }
    QListWidget* list() const { return list_; }

  signals:
    // `index` is the entry's place in the items given at construction.
    void chosen(int index);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void narrow(const QString& text);
    void takeCurrent();

    QWidget* anchor_;
    QLineEdit* search_;
    QListWidget* list_;
};

}  // namespace book
