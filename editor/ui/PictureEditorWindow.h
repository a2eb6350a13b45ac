#pragma once
// The picture editor: one raster picture, drawn on with seven tools, turned,
// mirrored, resized, loaded, saved and printed. Created hidden at start-up;
// closing only hides it, so the picture and its state outlive each showing.

#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QStringList>
#include <array>

#include "editor/ToolStroke.h"
#include "editor/TransformPicture.h"
#include "editor/UndoRing.h"
#include "editor/ui/PictureHost.h"
#include "platform/seams/Dialogs.h"

class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QToolBar;
class QToolButton;

namespace platform {
struct AboutText;
class PrintTarget;
class SpinField;
}  // namespace platform

namespace editor {

class ColourPalette;
class ColourSwatch;
class PictureView;
class ResizePictureDialog;

// " Pictan   Zandor     ": the caption is this and the file name.
extern const QString kEditorCaptionPrefix;
extern const QString kNewPictureName;  // "新規画像"

enum class SaveOutcome { Saved, NotSaved, Failed };

class PictureEditorWindow : public QMainWindow, public PictureHost {
    Q_OBJECT
  public:
    // `arguments` are the program's command-line arguments, offered to the
    // picture loader each time the window is shown.
    PictureEditorWindow(platform::Dialogs& dialogs, platform::PrintTarget& printer,
                        QStringList arguments, QWidget* parent = nullptr);
    ~PictureEditorWindow() override;

    // The about box and the resize dialog, created after this window.
    void setCompanions(QDialog* about, ResizePictureDialog* resize);
    // What the editor's about box says.
    static platform::AboutText aboutText();

    // The document.
    const QImage& currentPicture() const override;
    QSize pictureSize() const override;
    void replacePicture(const QImage& picture, QSize size) override;
    QString editorFileName() const { return editorFileName_; }
    bool editorModified() const { return editorModified_; }
    const UndoRing& undoRing() const { return undo_; }
    DrawingTool drawingTool() const { return drawingTool_; }
    QAction* action(const char* name) const;

    // Routines of the window.
    void blankCanvas(QRgb colour);
    void loadPicture(const QString& path);
    void centreCanvas();
    void showCanvasSize();
    platform::Answer askToSave();
    // Asked by the main window before the program ends: true when it may
    // end (nothing unsaved, saved, or given up with いいえ), false for
    // キャンセル or a save that did not happen.
    bool settleForQuit();
    SaveOutcome savePicture();
    SaveOutcome savePictureAs();
    bool writeBitmap(const QString& path);
    bool writeJpeg(const QString& path);
    void turnOrMirror(TransformMode mode);
    void updateToolMode();

    // The mouse on the picture.
    void onCanvasPressed(QPoint pos, const HeldSet& held);
    void onCanvasMoved(QPoint pos, const HeldSet& held);
    void onCanvasReleased(QPoint pos, const HeldSet& held);

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building the window (PictureEditorLayout.cpp).
    void buildActions();
    void buildMenu();
    QWidget* buildToolBar();
    QWidget* buildSidePanel();
    QWidget* buildCanvasArea();
    void buildStatusBar();
    void resetWindow();

    // Commands (files in PictureEditorFiles.cpp, the rest in PictureEditorDrawing.cpp).
    void openPicture();
    void newPicture();
    void printPicture();
    void closeEditor();
    void undo();
    void showResizeDialog();
    void showAbout();
    void chooseLeftColour();
    void chooseBackdropColour();
    void onSwatchClicked();
    void onPaletteClicked(Qt::MouseButton button);
    void resetToNewPicture();
    // True when the caller may replace or hide the picture; asks first
    // when it is unsaved. Closing goes on after a save that did not happen.
    bool settleUnsavedPicture(bool closing);
    void showPointer(QPoint pos);
    void setCaptionFor(const QString& path);
    void setNewPictureCaption();
    ToolSettings toolSettings() const;
    void pictureSaved(const QString& path);

    platform::Dialogs& dialogs_;
    platform::PrintTarget& printer_;
    const QStringList arguments_;
    QDialog* about_ = nullptr;
    ResizePictureDialog* resize_ = nullptr;

    QHash<QString, QAction*> actions_;
    std::array<QToolButton*, 7> toolButtons_{};  // by DrawingTool
    QScrollArea* scrollArea_ = nullptr;
    QWidget* canvasArea_ = nullptr;  // the scrolled area around the frame
    QWidget* frame_ = nullptr;
    PictureView* canvas_ = nullptr;
    QLabel* pointerLabel_ = nullptr;
    QLabel* sizeLabel_ = nullptr;
    QRadioButton* unitCm_ = nullptr;
    QRadioButton* unitPic_ = nullptr;
    ColourSwatch* leftSwatch_ = nullptr;
    ColourSwatch* rightSwatch_ = nullptr;
    platform::SpinField* penWidthField_ = nullptr;
    ColourPalette* colourGrid_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QLabel* hintPanel_ = nullptr;
    QLabel* pointerPanel_ = nullptr;

    QString editorFileName_;
    bool editorModified_ = false;
    UndoRing undo_;
    ToolStroke stroke_;
    DrawingTool drawingTool_ = DrawingTool::Pen;

    // The save dialog's memory: the proposed name, the last filter and the
    // extension added to a name typed without one.
    QString saveDialogFileName_;
    int saveFilterIndex_ = 0;
    QString saveDefaultExtension_ = QStringLiteral("bmp");
};

}  // namespace editor
