#pragma once
// A body page on the offscreen platform with scripted dialogs, recording the
// commands it switches and how often it asks to be the active page.

#include <gtest/gtest.h>

#include <QHash>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <memory>

#include "message/ui/BodyPage.h"
#include "message/ui/MessagePreviewBox.h"
#include "platform/files/AppPaths.h"
#include "tests/message/BodyPageControls.h"
#include "tests/message/MessageOps.h"
#include "tests/support/RecordingCommands.h"
#include "tests/support/ScriptedDialogs.h"

class BodyPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        platform::AppPaths::setOverrideFolder(home.path());
        page = std::make_unique<message::BodyPage>(dialogs);
        page->resize(679, 430);
        page->setCommands(&commands);
        QObject::connect(page.get(), &message::BodyPage::showWanted, [this] { ++activations; });
        page->clearBody();
    }
    void TearDown() override {
        page.reset();
        platform::AppPaths::setOverrideFolder(QString());
    }

    bool on(const char* name) const { return commands.enabled.value(QLatin1String(name), false); }
    bool known(const char* name) const { return commands.enabled.contains(QLatin1String(name)); }
    void type(const QString& text) { bodyEditor(*page)->insertPlainText(text); }
    QString path(const QString& name) const { return home.filePath(name); }
    // The text columns the preview shows now.
    std::vector<message_ops::Column> shown() const {
        return message_ops::columns(messagePreview(*page)->picture());
    }

    QTemporaryDir home;
    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<message::BodyPage> page;
    testsupport::RecordingCommands commands;
    int activations = 0;
};
