#pragma once
// Dialogs for tests: answers come from a script, every call is recorded.

#include <QList>
#include <QVector>

#include "platform/Dialogs.h"

namespace testsupport {

class ScriptedDialogs : public platform::Dialogs {
public:
    struct Call {
        QString kind;  // "question", "notice", "error", "open", "save", "colour"
        QString text;  // message text, or the dialog's title
    };

    QVector<Call> calls;
    QList<platform::Answer> answers;            // for question(), in order
    QList<platform::FileDialogResult> files;    // for openFile()/saveFile(), in order
    QList<platform::FileDialogRequest> fileRequests;
    QList<QColor> colours;

    int count(const QString& kind) const;
    QStringList texts(const QString& kind) const;

    platform::Answer question(QWidget* parent, const QString& text) override;
    void notice(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    platform::FileDialogResult openFile(QWidget* parent, const platform::FileDialogRequest& request) override;
    platform::FileDialogResult saveFile(QWidget* parent, const platform::FileDialogRequest& request) override;
    QColor chooseColour(QWidget* parent, const QColor& initial) override;
};

}  // namespace testsupport
