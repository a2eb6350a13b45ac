#pragma once
// The adjustment panel's tab "文字の整形": the typesetting choices of the
// address side, each a list whose first item is the classic behaviour, and a
// button that brings them all back to it.

#include <QWidget>

#include "render/Typesetting.h"

class QComboBox;
class QPushButton;

namespace render {

class TypesetTab : public QWidget {
    Q_OBJECT
  public:
    explicit TypesetTab(QWidget* parent = nullptr);

    TypesetChoices choices() const;

    // The three choices as indexes, as the settings keep them.
    struct ChoiceIndexes {
        int jointAlign = 0;
        int blockDash = 0;
        int halfKana = 0;
        int fitColumns = 0;
    };
    ChoiceIndexes choiceIndexes() const;
    // An index outside a list chooses nothing.
    void setChoiceIndexes(const ChoiceIndexes& indexes);

  signals:
    // A choice changed: draw the preview again.
    void changed();

  private:
    void updateReset();

    QComboBox* JointAlign;
    QComboBox* BlockDash;
    QComboBox* HalfKana;
    QComboBox* FitColumns;
    QPushButton* TypesetDefault;
};

}  // namespace render
