#pragma once
// The message side's document: the body text with its file name and
// modified state, and the picture for the back with the name it was opened
// from. It reads and writes both files and says when they change; the body
// page shows it and asks the questions.

#include <QImage>
#include <QObject>
#include <QString>

#include "message/BodyFile.h"

namespace message {

class MessageDocument : public QObject {
    Q_OBJECT
  public:
    explicit MessageDocument(QObject* parent = nullptr);

    const QString& text() const { return text_; }
    bool isModified() const { return modified_; }
    // The file a plain save writes; empty for a new text, the sample and a
    // text read in another encoding than CP932.
    const QString& fileName() const { return fileName_; }
    // A save without a file extension asks for a name first.
    bool hasSaveName() const;
    // What the status line names the text by: its file, or where an
    // unnamed text came from.
    QString shownName() const;
    // What the question before discarding the text calls it.
    QString questionName() const;

    const QImage& picture() const { return picture_; }
    // Empty when no picture is to be shown: the bitmap may stay after a new
    // text, but without a name it is neither shown nor printed.
    const QString& pictureFileName() const { return pictureFileName_; }

    // An edit of the text; `modified` is false when the edit went back to
    // the saved text.
    void setText(const QString& text, bool modified = true);
    void setModified(bool modified);
    void setFileName(const QString& path);
    void setPicture(const QImage& picture, const QString& path);

    // A new document: no text, no names, not modified. The bitmap stays.
    void clear();

    // Reads a body text without changing anything, so the caller can report
    // a failure or ask about unsaved text before the text is replaced.
    static BodyReadResult readText(const QString& path);
    // Takes a text read from `path`: unmodified, and named for saving only
    // when a plain save would give back the same file.
    void adoptText(const QString& path, const BodyReadResult& read);
    // Writes the text to `path` and takes that name; the reason when not.
    QString save(const QString& path);

    // Reads a picture for the back; on failure (the reason is returned)
    // the previous picture and its name stay.
    QString openPicture(const QString& path);

    // Extensions (lower case, with the dot) the message side opens.
    static bool opensExtension(const QString& extension);
    static bool isTextFile(const QString& path);
    // Where the sample body text is installed.
    static QString sampleTextPath();

  signals:
    // The whole text was replaced (opened or cleared), not typed.
    void textReplaced(const QString& text);
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& path);
    void pictureChanged();

  private:
    QString text_;
    bool modified_ = false;
    QString fileName_;
    // What an opened text without a save name is called (another encoding's
    // file, the sample); empty otherwise.
    QString unnamedSource_;
    QString pictureFileName_;
    QImage picture_;
};

}  // namespace message
