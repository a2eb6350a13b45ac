#pragma once
// Every message box and common dialog goes through this seam, so that the
// program uses the system's dialogs and the tests a scripted fake.

#include <QColor>
#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

enum class Answer { Yes, No, Cancel };

struct FileDialogRequest {
    QString title;
    QStringList filters;       // "住所録ファイル (*.csv)" style, in order
    int filterIndex = 0;       // the filter selected at start
    QString defaultExtension;  // added when the typed name has none, without the dot
    QString folder;            // starting folder
    QString fileName;          // proposed file name
};

struct FileDialogResult {
    QString path;         // empty when cancelled
    int filterIndex = 0;  // the filter the user picked
    bool accepted() const { return !path.isEmpty(); }
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // Yes/No/Cancel question, preceded by the question beep.
    virtual Answer question(QWidget* parent, const QString& text) = 0;
    // The same question in a box titled "確認" instead of the program's name.
    virtual Answer confirm(QWidget* parent, const QString& text) { return question(parent, text); }
    // A question answered with one of `answers` (button captions, in their
    // order) or キャンセル: the index of the answer, or -1 for キャンセル.
    // Unless overridden, the first answer is Yes and the second No.
    virtual int choose(QWidget* parent, const QString& text, const QStringList& answers) {
        (void)answers;
        const Answer a = question(parent, text);
        return a == Answer::Yes ? 0 : a == Answer::No ? 1 : -1;
    }
    // Information with OK.
    virtual void notice(QWidget* parent, const QString& text) = 0;
    // An error with OK; `text` already carries the system's reason.
    virtual void error(QWidget* parent, const QString& text) = 0;

    virtual FileDialogResult openFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual FileDialogResult saveFile(QWidget* parent, const FileDialogRequest& request) = 0;

    // Colour picker; returns an invalid colour when cancelled.
    virtual QColor chooseColour(QWidget* parent, const QColor& initial) = 0;
};

}  // namespace platform
