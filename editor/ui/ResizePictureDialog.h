#pragma once
// The resize dialog: scales the editor's picture by one percentage, by
// separate width and height (in percent, pixels or millimetres), or to the
// postcard or icon size. Shown modeless; every showing starts again from
// 100 % keeping the proportions. The fields are the only store of its
// values: each handler reads them, asks the resize arithmetic and shows
// the answer.

#include <QDialog>
#include <array>
#include <optional>

#include "editor/ResizeArithmetic.h"

class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QGroupBox;

namespace platform {
class Dialogs;
}

namespace editor {

class PictureHost;
class UpDownArrows;

class ResizePictureDialog : public QDialog {
    Q_OBJECT
  public:
    ResizePictureDialog(PictureHost& editor, platform::Dialogs& dialogs, QWidget* parent = nullptr);

    // The values the fields hold now.
    ResizeFields fields() const;

    QLineEdit* edit(ResizeField field) const { return edits_[size_t(field)]; }
    UpDownArrows* upDown(ResizeField field) const { return upDowns_[size_t(field)]; }

    void onModeChosen(ResizeMode mode);
    void onUnitChosen(ResizeUnit unit);
    void applyResize();
    void cancelResize();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    void buildField(ResizeField field, QPoint editAt);
    void startAtFullSize();
    void onFieldEdited(ResizeField field);
    void onArrowClicked(ResizeField field);
    // `typed`: the value comes from the field's own text, which then stays.
    void enterValue(ResizeField field, int value, bool typed = false);
    // Fills every field; `typedIn`, the field the user is typing in, keeps
    // its text (and caret) unless its value had to be limited.
    void showFields(const ResizeFields& values, std::optional<ResizeField> typedIn = std::nullopt);
    void applyModeEnabling(ResizeMode mode);
    void applyUnitEnabling(ResizeUnit unit);
    void checkRadio(QButtonGroup* group, int id);

    PictureHost& editor_;
    platform::Dialogs& dialogs_;
    std::array<QLineEdit*, 7> edits_{};
    std::array<UpDownArrows*, 7> upDowns_{};
    QButtonGroup* modes_ = nullptr;
    QButtonGroup* units_ = nullptr;
    QGroupBox* modeBox_ = nullptr;
    QGroupBox* unitBox_ = nullptr;
    QFrame* bevel_ = nullptr;
    QLabel* scaleLabel_ = nullptr;
    QLabel* widthLabel_ = nullptr;
    QLabel* heightLabel_ = nullptr;
    bool showing_ = false;  // fields are being filled in, not typed into
};

}  // namespace editor
