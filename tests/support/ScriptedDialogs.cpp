#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace testsupport {

ScriptedDialogs::~ScriptedDialogs() {
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        if (it.value() > 0)
            ADD_FAILURE() << it.value() << " expected " << it.key().toStdString() << " never came";
}

int ScriptedDialogs::count(const QString& kind) const {
    int n = 0;
    for (const Call& c : calls) n += c.kind == kind;
    return n;
}

QStringList ScriptedDialogs::texts(const QString& kind) const {
    QStringList t;
    for (const Call& c : calls)
        if (c.kind == kind) t.append(c.text);
    return t;
}

platform::Answer ScriptedDialogs::question(QWidget*, const QString& text) {
    calls.append({QStringLiteral("question"), text});
    if (answers.isEmpty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return platform::Answer::Cancel;
    }
    return answers.takeFirst();
}

namespace {

void takeExpected(QMap<QString, int>& expected, const QString& kind, const QString& text) {
    if (expected.value(kind) <= 0) {
        ADD_FAILURE() << "unexpected " << kind.toStdString() << ": " << text.toStdString();
        return;
    }
    --expected[kind];
}

}  // namespace

void ScriptedDialogs::notice(QWidget*, const QString& text) {
    calls.append({QStringLiteral("notice"), text});
    takeExpected(expected, QStringLiteral("notice"), text);
}

void ScriptedDialogs::error(QWidget*, const QString& text) {
    calls.append({QStringLiteral("error"), text});
    takeExpected(expected, QStringLiteral("error"), text);
}

platform::FileDialogResult ScriptedDialogs::openFile(QWidget*,
                                                     const platform::FileDialogRequest& request) {
    calls.append({QStringLiteral("open"), request.title});
    fileRequests.append(request);
    return files.isEmpty() ? platform::FileDialogResult() : files.takeFirst();
}

platform::FileDialogResult ScriptedDialogs::saveFile(QWidget*,
                                                     const platform::FileDialogRequest& request) {
    calls.append({QStringLiteral("save"), request.title});
    fileRequests.append(request);
    return files.isEmpty() ? platform::FileDialogResult() : files.takeFirst();
}

QColor ScriptedDialogs::chooseColour(QWidget*, const QColor&) {
    calls.append({QStringLiteral("colour"), QString()});
    return colours.isEmpty() ? QColor() : colours.takeFirst();
}

}  // namespace testsupport
