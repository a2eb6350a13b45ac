#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "book/ui/SenderPage.h"
#include "platform/ui/SpinField.h"
#include "platform/ui/StringGrid.h"
#include "records/AddressRecord.h"
#include "render/ui/LayoutPanel.h"
#include "render/ui/PreviewBox.h"
#include "render/ui/PreviewPage.h"
#include "tests/app/MainWindowFixture.h"

namespace {

// Texts of the picture's text operations, in order.
QStringList texts(const platform::PagePicture& picture) {
    QStringList out;
    for (const platform::PageOp& op : picture.ops)
        if (const auto* t = std::get_if<platform::op::Text>(&op)) out << t->text;
    return out;
}

void fillRecord(platform::StringGrid& g, int row, const QString& name, const QString& relation) {
    g.setCell(records::ColName, row, name);
    g.setCell(records::ColPostal, row, QStringLiteral("1000005"));
    g.setCell(records::ColAddress1, row, QStringLiteral("東京都千代田区丸の内一丁目２番３号"));
    g.setCell(records::ColAddress2, row, QStringLiteral("丸の内ビル１２階"));
    g.setCell(records::ColJointName, row, QStringLiteral("花子"));
    g.setCell(records::ColCompany, row, QStringLiteral("株式会社ABC商事"));
    g.setCell(records::ColTitle, row, QStringLiteral("営業部長"));
    g.setCell(records::ColRelation, row, relation);
}

}  // namespace

TEST_F(MainWindowTest, PreviewDrawsTheActiveGridsRecord) {
    app::MainWindow& f = make();
    f.addressBook().wholeBook().setRowCount(3);
    fillRecord(*wholeGrid(f), 1, QStringLiteral("山田太郎"), QStringLiteral("友人"));
    fillRecord(*wholeGrid(f), 2, QStringLiteral("鈴木一郎"), QStringLiteral("仕事"));
    wholeGrid(f)->setRow(2);
    EXPECT_TRUE(texts(previewBox(f)->picture()).join(' ').contains(QStringLiteral("鈴木一郎")));

    // Filtered: a change of a field draws StringGrid2's record, not row 1 of the whole book.
    f.selectRelation(QStringLiteral("仕事"));
    wholeGrid(f)->setRow(1);
    f.findChild<render::LayoutPanel*>("PageControl2")->field("UXPos")->setValue(5);
    EXPECT_TRUE(texts(previewBox(f)->picture()).join(' ').contains(QStringLiteral("鈴木一郎")));
    envelopeSide(f, true)->click();
    EXPECT_FALSE(texts(previewBox(f)->picture()).join(' ').contains(QStringLiteral("山田太郎")));
}

TEST_F(MainWindowTest, EnvelopeSideButtonsFollowTheKind) {
    app::MainWindow& f = make();
    envelopeSide(f, true)->setChecked(true);
    kindChoice(f)->setCurrentIndex(0);
    f.RefreshPreview();
    EXPECT_FALSE(envelopeSide(f, false)->isEnabled());
    EXPECT_TRUE(envelopeSide(f, true)->isChecked());  // kept while disabled
    kindChoice(f)->setCurrentIndex(3);
    f.RefreshPreview();
    EXPECT_TRUE(envelopeSide(f, false)->isEnabled());
    EXPECT_TRUE(envelopeSide(f, true)->isEnabled());
}

TEST_F(MainWindowTest, ShowingThePreviewRemovesHyphensAndReselects) {
    app::MainWindow& f = make();
    f.addressBook().wholeBook().setRowCount(4);
    f.addressBook().wholeBook().setCell(records::ColPostal, 3, QStringLiteral("123-4567"));
    f.showPage(app::Page::Sender);
    f.addressBook().setCurrentRecord(3);  // as the entry page leaves it
    f.showPage(app::Page::Preview);
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColPostal, 3), QStringLiteral("1234567 "));
    EXPECT_EQ(wholeGrid(f)->row(), 3);

    f.selectRelation(QStringLiteral("知人"));
    f.showPage(app::Page::Sender);
    f.addressBook().setFilteredCurrentRow(0);
    f.showPage(app::Page::Preview);
    EXPECT_EQ(filteredGrid(f)->row(), 1);
}

TEST_F(MainWindowTest, PreviewScreenshotsOfEveryKind) {
    app::MainWindow& f = make();
    fillRecord(*wholeGrid(f), 1, QStringLiteral("山田太郎"), QStringLiteral("友人"));
    f.findChild<QLineEdit*>("SSimei")->setText(QStringLiteral("鈴木一郎"));
    f.findChild<QLineEdit*>("SYuubinBangou1")->setText(QStringLiteral("530"));
    f.findChild<QLineEdit*>("SYuubinBangou2")->setText(QStringLiteral("0001"));
    f.findChild<QLineEdit*>("SJuusho1")
        ->setText(QStringLiteral("大阪府大阪市北区梅田三丁目１－１"));
    f.show();
    const QString dir = QStringLiteral(PELCOR_TEST_OUTPUT);
    QDir().mkpath(dir);
    for (int kind = 0; kind < 6; ++kind) {
        kindChoice(f)->setCurrentIndex(kind);
        f.RefreshPreview();
        QCoreApplication::processEvents();
        EXPECT_TRUE(
            f.grab().save(QDir(dir).filePath(QStringLiteral("preview-kind%1.png").arg(kind))));
    }
}

TEST_F(MainWindowTest, TheStatusBarSaysWhichFieldRunsOffTheShownCard) {
    app::MainWindow& f = make();
    f.showPage(app::Page::Preview);
    auto* note = f.findChild<QLabel*>("OverflowRemark");
    ASSERT_NE(note, nullptr);
    f.addressBook().wholeBook().setCell(
        records::ColAddress1, 1,
        QStringLiteral("北海道札幌市中央区北一条西二丁目１番地札幌中央ビル北館"));
    wholeGrid(f)->setRow(1);
    f.RefreshPreview();
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text(), QStringLiteral("住所１がはがきの下端からはみ出します。"));
    EXPECT_TRUE(f.grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/preview-overflow.png")));
    auto* typeset = f.findChild<QWidget*>("TypesetPage");
    ASSERT_NE(typeset, nullptr);
    typeset->resize(420, 200);
    EXPECT_TRUE(typeset->grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/typeset-tab.png")));
    f.addressBook().wholeBook().setCell(records::ColAddress1, 1,
                                        QStringLiteral("東京都港区芝公園"));
    f.RefreshPreview();
    EXPECT_TRUE(note->isHidden());
}
