#include "app/ui/CommandTable.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QWidget>

#include "app/ui/ToolbarIcons.h"
#include "platform/ui/Hint.h"

namespace app {

const QVector<CommandDefinition>& commandDefinitions() {
    static const QVector<CommandDefinition> table = {
        {"ActOpen", u"ファイル", u"開く(&O)", u"開く", u"ファイルを開きます。", "Ctrl+O", 0, true},
        {"ActPrinter", u"ファイル", u"プリンタ設定", u"設定", u"プリンタの設定をします。", "", -1,
         true},
        {"ActPrint", u"ファイル", u"印刷(&S)", u"印刷", u"印刷します。", "Ctrl+P", 3, false},
        {"ActExit", u"ファイル", u"終了(&X)", u"終了", u"このソフトを終了します。", "", -1, true},
        {"ActSaveAs", u"ファイル", u"宛名データの保存", u"宛名データの保存",
         u"宛名データに名前を付けて保存します。", "", -1, true},
        {"ActIns", u"編集", u"行の挿入(&I)", u"行の挿入", u"行を挿入します", "Ctrl+I", 4, true},
        {"ActDel", u"編集", u"行の削除(&D)", u"行の削除", u"選択された行を削除します。", "", 5,
         true},
        {"ActSave", u"ファイル", u"宛名データの保存(&S)", u"宛名データの保存",
         u"宛名データをファイルに保存します。", "Ctrl+S", 2, true},
        {"ActNew", u"ファイル", u"宛名の新規作成(&N)", u"新規作成",
         u"新規に宛名データを作成できる状態にします", "Ctrl+N", 1, true},
        {"ActSelectAllData", u"編集", u"全てのデータを選択", u"全て選択",
         u"全てのデータを選択状態にします。", "Ctrl+A", 8, true},
        {"ActEditData", u"編集", u"データの編集", u"データの編集",
         u"データの編集（追加や修正）が出来ます。", "Ctrl+E", 6, true},
        {"ActReNum", u"編集", u"番号の付け直し", u"番号の付け直し", u"データ番号を付け直します。",
         "Ctrl+N", 7, true},
        {"ActPrintIchiran", u"ファイル", u"一覧表印刷", u"一覧表印刷",
         u"登録データを一覧表として印刷します。", "Ctrl+I", 9, true},
        {"ActAbout", u"ヘルプ", u"バージョン情報", u"", u"", "", -1, true},
        {"ActSort", u"編集", u"並べ替え", u"並べ替え",
         u"データを　『あいうえお順』　に並べ替えます", "", 10, true},
        {"ActRSort", u"編集", u"逆・並べ替え", u"逆・並べ替え",
         u"データを　『逆・あいうえお順』　に並べ替えます", "", 11, true},
        {"ActHiphn", u"編集", u"〒の（-）を付ける", u"ハイフォン", u"郵便番号にハイフォンを付ける",
         "", 13, true},
        {"ActNonHiphn", u"編集", u"〒の（-）を外す", u"ノン・ハイフォン",
         u"郵便番号のハイフォンを外す", "", 12, true},
        {"ActHSave", u"ファイル", u"ハガキ本文の保存", u"ハガキ本文の保存",
         u"ハガキ本文をファイルに保存します", "", 2, true},
        {"ActHSaveAs", u"ファイル", u"ハガキ本文の保存", u"ハガキ本文の保存",
         u"ハガキ本文に名前を付けて保存します", "", -1, true},
        {"ActHNew", u"ファイル", u"本文の新規作成", u"本文の新規作成",
         u"ハガキの本文を新規に作成できる状態にします", "", 1, true},
        {"ActHPrint", u"ファイル", u"本文の印刷", u"本文の印刷", u"本文を印刷します", "", 3, true},
        {"ActCopy", u"編集", u"コピー", u"コピー", u"選択された部分をコピーします", "Ctrl+C", 14,
         true},
        {"ActCut", u"編集", u"切り取り", u"切取り", u"選択された部分を切り取ります", "Ctrl+X", 15,
         true},
        {"ActPaste", u"編集", u"貼り付け", u"貼付け",
         u"クリップボードの内容をキャレット位置に貼り付けます", "Ctrl+V", 16, true},
        {"ActSelectAll", u"編集", u"本文の全てを選択", u"全て選択",
         u"本文の全ての文字列を選択状態にします", "", 8, true},
        {"ActHelp", u"ヘルプ", u"使い方", u"使い方", u"使い方のヘルプを表示します", "", 17, true},
        {"ActSample", u"ヘルプ", u"本文のサンプル", u"本文サンプル",
         u"本文のサンプルを表示します。", "", 18, true},
        {"ActOpen2", u"ファイル", u"画像を開く...", u"画像を開く", u"裏面に画像を読み込みます", "",
         0, true},
        {"ActSavePic", u"", u"画像の保存", u"", u"", "", 2, true},
        {"ActPictan", u"", u"Pictan", u"エディタ", u"Pictanを起動します", "", 22, true},
        {"ActCalibrate", u"ツール", u"印刷位置の調整...", u"印刷位置の調整",
         u"プリンタごとに、ハガキや封筒の印刷位置のずれを調整します。", "", -1, true},
        {"ActImport", u"ファイル", u"インポート(&I)...", u"インポート",
         u"CSV ファイルや vCard の連絡先を宛名データに取り込みます。", "", -1, true},
        {"ActExport", u"ファイル", u"エクスポート(&E)...", u"エクスポート",
         u"宛名データを UTF-8 の CSV ファイルか vCard に書き出します。", "", -1, true},
    };
    return table;
}

CommandTable::CommandTable(QMainWindow* window) : QObject(window), window_(window) {
    setObjectName(QStringLiteral("ActionList1"));
    for (const CommandDefinition& s : commandDefinitions()) {
        auto* a = new QAction(QString::fromUtf16(s.caption), window);
        a->setObjectName(QLatin1String(s.name));
        a->setProperty("category", QString::fromUtf16(s.category));
        a->setProperty("imageIndex", s.image);
        a->setProperty("shortcutText", QLatin1String(s.shortcut));
        const QString shortPart = QString::fromUtf16(s.shortHint);
        const QString longPart = QString::fromUtf16(s.longHint);
        if (!shortPart.isEmpty() || !longPart.isEmpty())
            platform::applyHint(a, shortPart + QLatin1Char('|') + longPart);
        if (s.image >= 0) a->setIcon(toolbarIcon(s.image));
        a->setEnabled(s.enabled);
        byName_.insert(a->objectName(), a);
        ordered_.append(a);
    }
}

QAction* CommandTable::action(const char* name) const {
    QAction* found = byName_.value(QLatin1String(name), nullptr);
    if (!found) qFatal("コマンド「%s」はありません。名前が違います。", name);
    return found;
}

void CommandTable::setEnabled(std::initializer_list<const char*> names, bool on) {
    for (const char* n : names) action(n)->setEnabled(on);
}

void CommandTable::claimShortcut(QAction* a) {
    const QString key = a->property("shortcutText").toString();
    if (key.isEmpty() || !a->shortcut().isEmpty()) return;
    if (shortcutOwner_.contains(key)) {
        // Another item earlier in the menus owns the key: show it only.
        a->setText(a->text() + QLatin1Char('\t') +
                   QKeySequence(key).toString(QKeySequence::NativeText));
        return;
    }
    shortcutOwner_.insert(key, a->objectName());
    a->setShortcut(QKeySequence(key));
    // While the owner is disabled its key does nothing: a silent shortcut
    // takes it then, so that it never reaches another command or control.
    auto* swallow = new QShortcut(QKeySequence(key), window_);
    swallow->setObjectName(QStringLiteral("swallow_") + a->objectName());
    swallow->setContext(Qt::WindowShortcut);
    swallow->setEnabled(!a->isEnabled());
    connect(a, &QAction::changed, swallow, [a, swallow] { swallow->setEnabled(!a->isEnabled()); });
}

void CommandTable::buildMenuBar(QMenuBar* bar) {
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto add = [this](QMenu* m, std::initializer_list<const char*> names) {
        for (const char* n : names) {
            if (n[0] == '-') {
                m->addSeparator();
            } else {
                QAction* a = action(n);
                claimShortcut(a);
                m->addAction(a);
            }
        }
    };
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("File1"));
    add(file, {"ActOpen", "ActImport", "ActExport", "-", "ActNew", "ActHNew", "ActOpen2", "-",
               "ActSave", "ActHSave", "-"});
    QMenu* saveAs = file->addMenu(QStringLiteral("名前を付けて保存"));
    saveAs->setObjectName(QStringLiteral("SaveAs1"));
    platform::applyHint(saveAs->menuAction(),
                        QStringLiteral("名前を付けて保存|ファイルに名前を付けて保存します。"));
    add(saveAs, {"ActSaveAs", "-", "ActHSaveAs"});
    add(file, {"-", "ActPrinter", "ActPrint", "-", "ActPrintIchiran", "-", "ActExit"});

    QMenu* edit = bar->addMenu(QStringLiteral("編集(&E)"));
    edit->setObjectName(QStringLiteral("Edit1"));
    add(edit, {"ActIns", "ActDel", "-", "ActSort", "ActRSort", "-", "ActReNum", "ActEditData", "-",
               "ActSelectAllData", "-", "ActCopy", "ActCut", "ActPaste", "ActSelectAll"});
    QMenu* insert = bar->addMenu(QStringLiteral("挿入(&I)"));
    insert->setObjectName(QStringLiteral("Insert1"));
    add(insert, {"ActSample"});
    QMenu* tools = bar->addMenu(QStringLiteral("ツール"));
    tools->setObjectName(QStringLiteral("Tool1"));
    add(tools, {"ActPictan", "-", "ActCalibrate"});
    QMenu* help = bar->addMenu(QStringLiteral("ヘルプ"));
    help->setObjectName(QStringLiteral("Help1"));
    add(help, {"ActHelp", "-", "ActAbout"});
    for (QMenu* m : {file, saveAs, edit, insert, tools, help}) m->setToolTipsVisible(false);
}

void CommandTable::buildToolBar(QToolBar* bar) {
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto separator = [bar] {
        auto* gap = new QWidget(bar);
        gap->setFixedWidth(8);
        bar->addWidget(gap);
    };
    separator();
    const char* order[] = {"ActOpen",         "ActNew",           "ActSave",  "ActPrint",
                           "ActPrintIchiran", "ActIns",           "ActDel",   "ActReNum",
                           "ActEditData",     "ActSelectAllData", "ActSort",  "ActRSort",
                           "ActCopy",         "ActCut",           "ActPaste", "ActSelectAll",
                           "ActHelp",         "ActSample",        "ActPictan"};
    bool first = true;
    for (const char* n : order) {
        if (!first) separator();
        first = false;
        bar->addAction(action(n));
    }
}

QMenu* CommandTable::buildGrid1Menu(QWidget* parent) {
    auto* m = new QMenu(parent);
    m->setObjectName(QStringLiteral("GridMenu1"));
    m->addAction(action("ActIns"));
    m->addAction(action("ActDel"));
    m->addSeparator();
    m->addAction(action("ActReNum"));
    m->addAction(action("ActEditData"));
    m->addSeparator();
    m->addAction(action("ActSelectAllData"));
    return m;
}

QMenu* CommandTable::buildGrid2Menu(QWidget* parent) {
    auto* m = new QMenu(parent);
    m->setObjectName(QStringLiteral("GridMenu2"));
    m->addAction(action("ActSelectAllData"));
    return m;
}

}  // namespace app
