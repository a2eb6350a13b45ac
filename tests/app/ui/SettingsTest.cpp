#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <utility>

#include "app/ui/Settings.h"
#include "platform/files/ProfileFile.h"
#include "platform/text/Sjis.h"
#include "platform/ui/SpinField.h"
#include "settings/SettingsInput.h"
#include "tests/app/MainWindowFixture.h"

namespace {

void writeIni(const QString& path, const QString& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(platform::Sjis::bytes(text));
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int spin(app::MainWindow& f, const char* name) {
    return f.findChild<platform::SpinField*>(QLatin1String(name))->value();
}

}  // namespace

// The file's 61 classic keys and the three typesetting choices, listed here
// rather than taken from the program's table, so that a key dropped from the
// program is noticed.
TEST_F(MainWindowTest, AFreshStartWritesEveryKnownKeyInOrder) {
    make();
    form.reset();
    const QString text = platform::Sjis::decode(readAll(home.filePath("mirel36.ini")));
    QStringList written;
    QString section;
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1Char('[')))
            section = line;
        else
            written << section + line.left(line.indexOf(QLatin1Char('=')));
    }
    QStringList expected;
    for (int i = 1; i <= 6; ++i) expected << QStringLiteral("[Edit]text%1").arg(i);
    // The numbering has gaps.
    for (const auto& [from, to] : {std::pair{1, 8}, {11, 34}, {38, 41}, {45, 58}})
        for (int i = from; i <= to; ++i)
            expected << QStringLiteral("[SE]int%1").arg(i, 3, 10, QLatin1Char('0'));
    expected << "[Font]intCB1"
             << "[Font]intCB4"
             << "[Kind]intCB2"
             << "[Kind]intCB5"
             << "[Keishou]intCB3";
    ASSERT_EQ(expected.size(), 61);
    expected << "[Typeset]JointAlign"
             << "[Typeset]BlockDash"
             << "[Typeset]HalfKana"
             << "[Typeset]FitColumns"
             << "[Picture]Fit";
    expected << "[Barcode]Print"
             << "[Barcode]Size"
             << "[Barcode]XPos"
             << "[Barcode]YPos";
    EXPECT_EQ(written, expected);
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Edit]\r\ntext1=\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("int001=0\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Font]\r\nintCB1=0\r\nintCB4=0")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Keishou]\r\nintCB3=0")));
}

TEST_F(MainWindowTest, ValuesComeBackInTheirControls) {
    writeIni(
        home.filePath("mirel36.ini"),
        QStringLiteral(
            "; mine\r\n[Edit]\r\ntext1=  山田　太郎  \r\ntext3=\"123\"\r\n[SE]\r\nint001=12\r\n"
            "int002=0x1F\r\nint003=abc\r\nint005=99\r\nint052=500\r\nint053=$10\r\n"
            "[Kind]\r\nintCB2=7\r\n[Font]\r\nintCB1=2\r\n[Mine]\r\nx=1\r\n"));
    app::MainWindow& f = make();
    EXPECT_EQ(f.findChild<QLineEdit*>("SSimei")->text(), QStringLiteral("山田　太郎"));
    EXPECT_EQ(f.findChild<QLineEdit*>("SYuubinBangou1")->text(), QStringLiteral("123"));
    EXPECT_EQ(spin(f, "UXPos"), 12);
    EXPECT_EQ(spin(f, "UYPos"), 31);
    EXPECT_EQ(spin(f, "UWidth"), 0);
    EXPECT_EQ(spin(f, "J1XPos"), 99 > 100 ? 100 : 99);
    EXPECT_EQ(spin(f, "YakushokuXPos"), 500);
    EXPECT_EQ(spin(f, "YakushokuYPos"), 16);
    EXPECT_EQ(f.findChild<QComboBox*>("ComboBox2")->currentIndex(), -1);
    EXPECT_EQ(f.findChild<QComboBox*>("ComboBox1")->currentIndex(), 2);
    // A loaded value lights its tab's reset button.
    EXPECT_TRUE(f.findChild<QWidget*>("UDefault")->isEnabled());
    EXPECT_FALSE(f.findChild<QWidget*>("SNDefault")->isEnabled());

    form.reset();
    const QByteArray written = readAll(home.filePath("mirel36.ini"));
    EXPECT_TRUE(written.startsWith("; mine\r\n"));
    EXPECT_TRUE(written.contains("[Mine]\r\nx=1"));
    EXPECT_TRUE(written.contains("intCB2=-1"));
    EXPECT_TRUE(written.contains("int002=31"));
}

// What the user types is kept as the file can hold it: 〜 as its CP932
// code, and a choice typed to no item as no choice rather than a new item.
TEST_F(MainWindowTest, TypedSenderTextAndChoicesAreWrittenAsTyped) {
    app::MainWindow& f = make();
    f.show();
    f.findChild<QLineEdit*>("SSimei")->setText(QStringLiteral("1〜3"));
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3"}) {
        auto* box = f.findChild<QComboBox*>(name);
        box->setCurrentIndex(1);
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("foo"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(box->count(), name == QByteArray("ComboBox1") ? 4 : 6) << name;
        EXPECT_EQ(box->currentIndex(), -1) << name;
        EXPECT_EQ(box->currentText(), QStringLiteral("foo")) << name;
    }
    form.reset();
    const QByteArray written = readAll(home.filePath("mirel36.ini"));
    EXPECT_TRUE(
        written.contains("text1=1\x81\x60"
                         "3\r\n"));
    for (const char* key : {"intCB1=-1", "intCB2=-1", "intCB3=-1"})
        EXPECT_TRUE(written.contains(key)) << key;
}

TEST_F(MainWindowTest, RangesAreAppliedWhenValuesReachTheirControls) {
    writeIni(home.filePath("mirel36.ini"), QStringLiteral("[SE]\r\nint001=99\r\nint006=-999\r\n"));
    app::MainWindow& f = make();
    EXPECT_EQ(spin(f, "UXPos"), 50);
    EXPECT_EQ(spin(f, "J1YPos"), -300);
}

TEST_F(MainWindowTest, AnUnwritableSettingsFileIsReported) {
    dialogs.expect("error");
    app::MainWindow& f = make();
    Q_UNUSED(f);
    // A folder where the file should be: nothing can replace it.
    ASSERT_TRUE(QDir(home.path()).mkdir("mirel36.ini"));
    form.reset();
    ASSERT_EQ(dialogs.count("error"), 1);
    EXPECT_EQ(dialogs.texts("error")[0],
              home.filePath("mirel36.ini") + QStringLiteral(" に書き込めません"));
}

TEST_F(MainWindowTest, TypesettingChoicesRoundTripAndOldFilesStayClassic) {
    const QString ini = home.filePath("mirel36.ini");
    // A file from before the choices existed: classic, in the window and for the export.
    writeIni(ini, QStringLiteral("[SE]\r\nint001=3\r\n[Kind]\r\nintCB2=1\r\n"));
    const render::TypesetChoices old = app::addressSideInputFromSettings(ini).typeset;
    EXPECT_EQ(old.jointAlign, render::JointAlign::NameTop);
    EXPECT_EQ(old.blockDash, render::BlockDash::AsTyped);
    EXPECT_EQ(old.halfKana, render::HalfKana::AsTyped);
    EXPECT_EQ(old.fitColumns, render::FitColumns::Classic);
    app::MainWindow& f = make();
    for (const char* name : {"JointAlign", "BlockDash", "HalfKana", "FitColumns"})
        EXPECT_EQ(f.findChild<QComboBox*>(name)->currentIndex(), 0) << name;

    f.findChild<QComboBox*>("JointAlign")->setCurrentIndex(1);
    f.findChild<QComboBox*>("BlockDash")->setCurrentIndex(2);
    f.findChild<QComboBox*>("HalfKana")->setCurrentIndex(1);
    f.findChild<QComboBox*>("FitColumns")->setCurrentIndex(1);
    form.reset();
    const QByteArray written = readAll(ini);
    EXPECT_TRUE(written.contains("int001=3\r\n"));
    EXPECT_TRUE(written.contains(
        "[Typeset]\r\nJointAlign=1\r\nBlockDash=2\r\nHalfKana=1\r\nFitColumns=1\r\n"));

    const render::TypesetChoices read = app::addressSideInputFromSettings(ini).typeset;
    EXPECT_EQ(read.jointAlign, render::JointAlign::GivenName);
    EXPECT_EQ(read.blockDash, render::BlockDash::No);
    EXPECT_EQ(read.halfKana, render::HalfKana::FullWidth);
    EXPECT_EQ(read.fitColumns, render::FitColumns::Fit);
    app::MainWindow& again = make();
    EXPECT_EQ(again.findChild<QComboBox*>("BlockDash")->currentIndex(), 2);
    EXPECT_EQ(again.findChild<QComboBox*>("HalfKana")->currentIndex(), 1);
}
