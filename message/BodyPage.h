#pragma once
// The message side page "はがき裏面": the body text of the card, its file,
// and the picture for the back.

#include <QImage>
#include <QString>
#include <QWidget>

class QComboBox;
class QPlainTextEdit;

namespace platform {
class Dialogs;
}

namespace message {

class BodyPage : public QWidget {
    Q_OBJECT
public:
    BodyPage(platform::Dialogs& dialogs, QWidget* parent = nullptr);

    QComboBox* ComboBox5;  // card kind
    QComboBox* ComboBox4;  // face
    QPlainTextEdit* RichEdit2;

    QString BodyFileName;
    QString PictureFileName;
    QImage BackPicture;

    bool isModified() const;

    // Empties the document: no text, no names, not modified.
    void NewBody();

    // Saves under BodyFileName, or asks for a name when it has no extension.
    void ActHSaveExecute();
    // Asks for a name and saves.
    void ActHSaveAsExecute();
    // Writes the text to `path` (CP932, CR LF); false after reporting an error.
    bool SaveBody(const QString& path);

private:
    platform::Dialogs& dialogs_;
};

}  // namespace message
