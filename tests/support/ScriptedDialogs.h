#pragma once
// Dialogs for tests: answers come from a script, every call is recorded. A
// question without a scripted answer, and an error box or notice the test did
// not expect(), fails the test; so does an expected one that never came.

#include <QList>
#include <QMap>
#include <QVector>

#include "platform/seams/Dialogs.h"

namespace testsupport {

class ScriptedDialogs : public platform::Dialogs {
  public:
    struct Call {
        QString kind;  // "question", "notice", "error", "open", "save", "colour"
        QString text;  // message text, or the dialog's title
    };

    QVector<Call> calls;
    QList<platform::Answer> answers;          // for question(), in order
    QList<platform::FileDialogResult> files;  // for openFile()/saveFile(), in order
    QList<platform::FileDialogRequest> fileRequests;
    QList<QColor> colours;

    // Fails the test when an expected box never came.
    ~ScriptedDialogs() override;

    // Allows `n` more boxes of `kind` ("error" or "notice").
    void expect(const QString& kind, int n = 1) { expected[kind] += n; }
    QMap<QString, int> expected;

    int count(const QString& kind) const;
    QStringList texts(const QString& kind) const;

    platform::Answer question(QWidget* parent, const QString& text) override;
    void notice(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    platform::FileDialogResult openFile(QWidget* parent,
                                        const platform::FileDialogRequest& request) override;
    platform::FileDialogResult saveFile(QWidget* parent,
                                        const platform::FileDialogRequest& request) override;
    QColor chooseColour(QWidget* parent, const QColor& initial) override;
};

}  // namespace testsupport
