#pragma once
// The message side page "はがき裏面": the body text of the card, its file,
// the picture for the back, the card kind and face, the adjustment fields
// and the preview of the card. The page reaches the main window through the
// commands it is given and its signals.

#include <QImage>
#include <QString>
#include <QWidget>

#include "message/BodyStatus.h"
#include "message/MessageDocument.h"
#include "message/MessageFields.h"
#include "message/MessageSideInput.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace platform {
class Commands;
class Dialogs;
class SpinField;
}  // namespace platform

namespace message {

class MessageFieldsPanel;
class MessagePreviewBox;

class BodyPage : public QWidget {
    Q_OBJECT
  public:
    explicit BodyPage(platform::Dialogs& dialogs, QWidget* parent = nullptr);

    // The window's commands the page switches.
    void setCommands(platform::Commands* commands) { commands_ = commands; }

    // The names of the open body text and back picture; empty when none.
    const QString& bodyFileName() const { return document_.fileName(); }
    const QString& pictureFileName() const { return document_.pictureFileName(); }
    const QImage& backPicture() const { return document_.picture(); }
    // Names the body text, as a save will write it.
    void setBodyFileName(const QString& path) { document_.setFileName(path); }
    // Puts a picture on the back as if opened from `path`.
    void setBackPicture(const QImage& picture, const QString& path);
    // Forgets the picture on the back (start-up).
    void clearBackPicture() { document_.setPicture(QImage(), pictureFileName()); }

    // The kind and face choices as indexes, as the settings keep them.
    struct ChoiceIndexes {
        int face = 0;
        int kind = 0;
        int fit = 0;  // how the picture meets the card (PictureFit)
    };
    ChoiceIndexes choiceIndexes() const;
    // An index outside a list chooses nothing.
    void setChoiceIndexes(const ChoiceIndexes& indexes);
    // The adjustment fields' values.
    MessageLayout messageLayout() const;
    void setMessageLayout(const MessageLayout& layout);

    bool isModified() const;
    BodyStatus status() const;
    platform::SpinField* field(const char* name) const;
    QPushButton* resetButton(MessageFieldPage page) const;

    // What the message side is drawn from, read from the controls now.
    MessageSideInput messageSideInput(platform::OutputTarget target) const;
    // Draws the message side into the preview box.
    void renderPreview();

    // Draws the card again and shows its state, as after an edit; printing
    // calls it when its dialog has closed.
    void redraw();

    // Page shown, text and selection changes, presses and choices.
    void enter();
    void onTextChanged();
    void onSelectionChanged();
    void onEditorPressed();
    void onFaceChosen();
    void onKindChosen();
    void onNewYearFieldChanged(platform::SpinField* changed);
    void onOrdinaryFieldChanged(platform::SpinField* changed);
    void onPrintFieldChanged();
    void resetNewYearFields();
    void resetOrdinaryFields();
    void resetPrintFields();

    // Commands.
    void newBody();
    // Asks for a picture for the back and opens it.
    void choosePicture();
    // The save commands return true when the body was written.
    bool save();
    bool saveAs();
    void copy();
    void cut();
    void paste();
    void selectAll();

    // Before modified text is replaced or the program quits: asks whether to
    // save it, as closing does. True when it may go (saved, or let go).
    bool settleUnsavedText();

    // Empties the document: no text, no names, not modified.
    void clearBody();
    // Writes the text to `path` (CP932, CR LF); false when nothing was written.
    bool saveTo(const QString& path);

    // Extensions (lower case, with the dot) this page opens.
    static bool opensExtension(const QString& extension);
    // Opens a body text or a picture for the back; the caller has made this
    // page the active one. Reports failures and leaves everything as it was.
    void openDocument(const QString& path);
    // Where the sample body text is installed.
    static QString sampleTextPath();

  signals:
    // The page wants to be the window's active page (its enter() runs).
    void showWanted();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildToolStrip();
    void buildPictureFitChoice();
    void connectHandlers();
    void setCommand(const char* name, bool on);
    void showStatus(const BodyStatus& status);
    // The status line: the document's state, then what does not fit the card.
    void showStatusLine();
    void showKindPage();
    void focusEditor();
    // The common tail of most handlers: draw, show the kind's page, and when
    // the text is modified say so and offer saving.
    void reRender();
    // The same for a change of an adjustment field: the focus and the shown
    // page stay with the field being typed into.
    void reRenderForField();
    void markModified(bool moveFocus);
    // Puts the document's new text into the editor without running the
    // change handlers.
    void showReplacedText(const QString& text);
    // The editor's text and modified state into the document.
    void takeEditorText();
    // The document saved or reopened: the editor's undo history marks
    // this as the unmodified state.
    void followModified(bool modified);
    bool openText(const QString& path);
    bool openPicture(const QString& path);

    // Tool strip.
    QComboBox* kindChoice_;  // card kind
    QToolButton* newButton_;
    QToolButton* saveButton_;
    QLineEdit* statusLine_;
    QComboBox* faceChoice_;
    QComboBox* pictureFitChoice_;  // how the picture meets the card
    QPlainTextEdit* textEdit_;     // the body text
    MessagePreviewBox* preview_;
    MessageFieldsPanel* fieldsPanel_;

    MessageDocument document_;

    platform::Dialogs& dialogs_;
    platform::Commands* commands_ = nullptr;
    BodyStatus status_;
    QString fitWarning_;  // lines the card cannot hold, or empty
};

}  // namespace message
