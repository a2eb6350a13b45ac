#pragma once
// A main window on the offscreen platform with scripted dialogs and its
// files in a temporary folder.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>

#include "app/TMirelForm.h"
#include "platform/AppPaths.h"
#include "book/EntryPage.h"
#include "book/SenderPage.h"
#include "message/BodyPage.h"
#include "platform/StringGrid.h"
#include "print/ListPage.h"
#include "render/PreviewBox.h"
#include "render/PreviewPage.h"
#include "tests/support/RecordingPrintTarget.h"
#include "tests/support/ScriptedDialogs.h"

// The grids a test clicks, selects in or types into: all records, and the
// records of the chosen relation.
inline platform::StringGrid* wholeGrid(app::TMirelForm& f) {
    return f.findChild<platform::StringGrid*>(QStringLiteral("StringGrid1"));
}
inline platform::StringGrid* filteredGrid(app::TMirelForm& f) {
    return f.findChild<platform::StringGrid*>(QStringLiteral("StringGrid2"));
}

// The pages, found by name as the tab widget holds them.
inline render::PreviewPage* previewPage(app::TMirelForm& f) { return f.findChild<render::PreviewPage*>("Preview"); }
inline book::SenderPage* senderPage(app::TMirelForm& f) { return f.findChild<book::SenderPage*>("Sasidasininn"); }
inline book::EntryPage* entryPage(app::TMirelForm& f) { return f.findChild<book::EntryPage*>("MirelEdit"); }
inline print::ListPage* listPage(app::TMirelForm& f) { return f.findChild<print::ListPage*>("Ichiran"); }
inline message::BodyPage* bodyPage(app::TMirelForm& f) { return f.findChild<message::BodyPage*>("HRimen"); }

// Controls of the preview page a test looks at or chooses with.
inline render::PreviewBox* previewBox(app::TMirelForm& f) { return f.findChild<render::PreviewBox*>("PaintBox1"); }
inline QComboBox* kindChoice(app::TMirelForm& f) { return f.findChild<QComboBox*>("ComboBox2"); }
inline QRadioButton* envelopeSide(app::TMirelForm& f, bool back) {
    return f.findChild<QRadioButton*>(back ? "FuutouR" : "FuutouF");
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        platform::AppPaths::setOverrideFolder(home.path());
    }
    void TearDown() override {
        form.reset();
        platform::AppPaths::setOverrideFolder(QString());
    }
    app::TMirelForm& make(const QStringList& arguments = {}) {
        form = std::make_unique<app::TMirelForm>(dialogs, printer, arguments);
        return *form;
    }

    QTemporaryDir home;
    testsupport::ScriptedDialogs dialogs;
    testsupport::RecordingPrintTarget printer;
    std::unique_ptr<app::TMirelForm> form;
};
