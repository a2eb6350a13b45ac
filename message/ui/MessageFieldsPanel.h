#pragma once
// The tabs under the body editor: the pages NMoji, FMoji and SetPrint of
// spin fields, each with its reset button (disabled at start). The panel only
// builds and reads the controls; the body page decides what a change does.

#include <QHash>
#include <QTabWidget>
#include <QVector>

#include "message/MessageFields.h"

class QPushButton;

namespace platform {
class SpinField;
}

namespace message {

class MessageFieldsPanel : public QTabWidget {
    Q_OBJECT
  public:
    explicit MessageFieldsPanel(QWidget* parent = nullptr);

    platform::SpinField* field(const char* name) const;
    QPushButton* resetButton(MessageFieldPage page) const { return resets_.value(page); }
    QWidget* page(MessageFieldPage page) const { return pages_.value(page); }

    // Every field's value by the reading rule.
    MessageLayout layout() const;
    // Puts every field's value in (each brought into its field's range).
    void setFieldValues(const MessageLayout& layout);
    // True when any field of the page is not 0.
    bool anyNonZero(MessageFieldPage page) const;
    // Sets every field of the page to 0, in order (each change is signalled).
    void zero(MessageFieldPage page);

  signals:
    // A field of `page` changed: typing, the arrows or a value put in.
    void fieldChanged(MessageFieldPage page, platform::SpinField* field);
    void resetClicked(MessageFieldPage page);

  private:
    QHash<QString, platform::SpinField*> fields_;
    QVector<QPushButton*> resets_;
    QVector<QWidget*> pages_;
};

}  // namespace message
