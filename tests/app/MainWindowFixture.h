#pragma once
// A main window on the offscreen platform with scripted dialogs and its
// files in a temporary folder.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>

#include "app/ui/MainWindow.h"
#include "book/ui/EntryPage.h"
#include "book/ui/SenderPage.h"
#include "message/ui/BodyPage.h"
#include "platform/files/AppPaths.h"
#include "platform/ui/StringGrid.h"
#include "print/ui/ListPage.h"
#include "render/ui/PreviewBox.h"
#include "render/ui/PreviewPage.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/core/RecordingPrintTarget.h"

// The grids a test clicks, selects in or types into: all records, and the
// records of the chosen relation.
inline platform::StringGrid* wholeGrid(app::MainWindow& f) {
    return f.findChild<platform::StringGrid*>(QStringLiteral("StringGrid1"));
}
inline platform::StringGrid* filteredGrid(app::MainWindow& f) {
    return f.findChild<platform::StringGrid*>(QStringLiteral("StringGrid2"));
}

// The pages, found by name as the tab widget holds them.
inline render::PreviewPage* previewPage(app::MainWindow& f) {
    return f.findChild<render::PreviewPage*>("Preview");
}
inline book::SenderPage* senderPage(app::MainWindow& f) {
    return f.findChild<book::SenderPage*>("Sasidasininn");
}
inline book::EntryPage* entryPage(app::MainWindow& f) {
    return f.findChild<book::EntryPage*>("MirelEdit");
}
inline print::ListPage* listPage(app::MainWindow& f) {
    return f.findChild<print::ListPage*>("Ichiran");
}
inline message::BodyPage* bodyPage(app::MainWindow& f) {
    return f.findChild<message::BodyPage*>("HRimen");
}

// Controls of the preview page a test looks at or chooses with.
inline render::PreviewBox* previewBox(app::MainWindow& f) {
    return f.findChild<render::PreviewBox*>("PaintBox1");
}
inline QComboBox* kindChoice(app::MainWindow& f) { return f.findChild<QComboBox*>("ComboBox2"); }
inline QRadioButton* envelopeSide(app::MainWindow& f, bool back) {
    return f.findChild<QRadioButton*>(back ? "FuutouR" : "FuutouF");
}

// The controls of the entry page a test types into, clicks or reads, found
// by the names they have on the page.
struct EntryControls {
    explicit EntryControls(app::MainWindow& form) : f(form) {}
    app::MainWindow& f;
    template <class T>
    T* find(const char* name) const {
        T* control = f.findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* Kana1 = find<QLineEdit>("Kana1");
    QLineEdit* Nam1 = find<QLineEdit>("Nam1");
    QLineEdit* Nam2 = find<QLineEdit>("Nam2");
    QLineEdit* Shamei = find<QLineEdit>("Shamei");
    QLineEdit* Yakushoku = find<QLineEdit>("Yakushoku");
    QLineEdit* Ub1 = find<QLineEdit>("Ub1");
    QLineEdit* Ub2 = find<QLineEdit>("Ub2");
    QLineEdit* Ju1 = find<QLineEdit>("Ju1");
    QLineEdit* Ju2 = find<QLineEdit>("Ju2");
    QLineEdit* Phone1 = find<QLineEdit>("Phone1");
    QLineEdit* Keitai1 = find<QLineEdit>("Keitai1");
    QLineEdit* Fax1 = find<QLineEdit>("Fax1");
    QLineEdit* Num1 = find<QLineEdit>("Num1");
    QComboBox* relationChoice = find<QComboBox>("ComboBox7");
    QPushButton* EditOKButton = find<QPushButton>("EditOKButton");
    QPushButton* NewDataButton = find<QPushButton>("NewDataButton");
    QPushButton* ToStaButton = find<QPushButton>("ToStaButton");
    QPushButton* BeforButton = find<QPushButton>("BeforButton");
    QPushButton* NextButton = find<QPushButton>("NextButton");
    QPushButton* ToEndButton = find<QPushButton>("ToEndButton");
    QLineEdit* EntryStatusLine = find<QLineEdit>("EditDisp1");
    QPlainTextEdit* EntryHelpPanel = find<QPlainTextEdit>("Memo1");
    QLabel* Label6 = find<QLabel>("Label6");
    QLabel* Label11 = find<QLabel>("Label11");
    QLabel* Label80 = find<QLabel>("Label80");
    QLabel* Label81 = find<QLabel>("Label81");
};

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
    app::MainWindow& make(const QStringList& arguments = {}) {
        form = std::make_unique<app::MainWindow>(dialogs, printer, arguments);
        return *form;
    }

    QTemporaryDir home;
    testsupport::ScriptedDialogs dialogs;
    testsupport::RecordingPrintTarget printer;
    std::unique_ptr<app::MainWindow> form;
};

// Writes `bytes` to `path` (a file the test then opens) and returns the path.
inline QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}
