#pragma once
// The adjustment panel PageControl2 below the grids: eight tabs of spin
// fields with a reset button each, then the typesetting choices. Every
// change asks for a new preview.

#include <QHash>
#include <QTabWidget>
#include <QVector>

#include "render/LayoutSettings.h"
#include "render/Typesetting.h"

class QPushButton;

namespace platform {
class SpinField;
}

namespace render {

class TypesetTab;
class BarcodeTab;

class LayoutPanel : public QTabWidget {
    Q_OBJECT
  public:
    explicit LayoutPanel(QWidget* parent = nullptr);

    platform::SpinField* field(const char* name) const;
    QPushButton* resetButton(const char* name) const;
    // The field's value by the reading rule (0 when no such field).
    int value(const char* name) const;
    // Every field's value, as the renderer takes them.
    LayoutSettings settings() const;
    // Puts every field's value in (each brought into its field's range).
    void setSettings(const LayoutSettings& settings);
    // The choices of the tab "文字の整形".
    TypesetChoices typesetChoices() const;
    TypesetTab* typesetTab() const { return typeset_; }
    // The tab "バーコード".
    BarcodeTab* barcodeTab() const { return barcode_; }

    // The tab's change handling: its reset button is on while any of its
    // fields is not 0.
    void tabChanged(int tab);
    // The tab's reset button: every field back to 0, in order.
    void resetTab(int tab);

  signals:
    // A field changed or a tab was reset: draw the preview again.
    void refreshRequested();

  private:
    QHash<QString, platform::SpinField*> fields_;
    QVector<QPushButton*> resets_;
    TypesetTab* typeset_;
    BarcodeTab* barcode_;
};

}  // namespace render
