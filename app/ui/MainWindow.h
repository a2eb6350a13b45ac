#pragma once
// The main window: tool bar, five pages, status bar and the program's life
// cycle. It builds the pages, wires them to the address book document and
// the commands, asks the close questions and opens dropped files.

#include <QMainWindow>
#include <QStringList>
#include <QVector>
#include <memory>

#include "book/AddressBookDocument.h"
#include "settings/ProgramSettings.h"

class QComboBox;
class QLabel;
class QDialog;
class QMenu;
class QStatusBar;
class QTabWidget;
class QToolBar;

namespace platform {
class Dialogs;
class PrintTarget;
class StringGrid;
}  // namespace platform
namespace render {
class PreviewPage;
struct AddressSideInput;
}  // namespace render
namespace book {
class BookModel;
class EntryPage;
class PostalDictionaryFile;
class SenderPage;
}  // namespace book
namespace print {
class ListPage;
}
namespace message {
class BodyPage;
}
namespace editor {
class PictureEditorWindow;
}

namespace app {

class CommandTable;
class HelpWindow;
class PreviewOverflowNote;
class PreviewPostalCheck;

// The window's pages, in the order of their tabs.
enum class Page { Preview, Sender, Entry, List, Body };

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // `arguments` are the files named on the command line, opened when the
    // window is first shown.
    MainWindow(platform::Dialogs& dialogs, platform::PrintTarget& printer,
               const QStringList& arguments, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The windows the commands show; they are created after this one.
    void setCompanions(editor::PictureEditorWindow* pictan, QDialog* about);

    // The address book the pages show.
    book::AddressBookDocument& addressBook() const { return *book_; }
    // Shows only the records of `relation`, or all of them for the "all" entry.
    void selectRelation(const QString& relation);
    QString shownRelation() const;
    QString statusText() const;
    // Turns to `page`, running the left page's exit and the new page's show
    // handlers as a click on its tab does.
    void showPage(Page page);
    Page currentPage() const;
    // The commands by their action names ("ActOpen"), as the menus run them.
    void runCommand(const char* action);
    bool isCommandEnabled(const char* action) const;

    // The sender's texts, the adjustment fields and the choices as the
    // controls hold them now, and putting them back (Settings.cpp). Numbers
    // are brought into each field's range; a choice outside its list leaves
    // nothing selected.
    ProgramSettings currentSettings() const;
    void applySettings(const ProgramSettings& settings);

    // Life cycle.
    void openArgumentFiles();
    void askToClose(bool& canClose);
    void askToCloseBody(bool& canClose);
    void shutDown();

    // Files dropped on the window: the first one is opened.
    void openDroppedFiles(const QStringList& paths);
    // Page changes (PageTurns.cpp): the left page's leave(), then the new
    // page's enter(), which sets the commands that make sense there.
    void onPageChanged(int index);
    void enterPreview();
    void leavePreview();
    void ActEditDataExecute();

    // Opens any supported file by its extension.
    void OpenDocument(const QString& path);
    // Shows the long part of `hint` in the status bar.
    void showHint(const QString& hint);

    // Row commands.
    void RenumberRows();
    void ActInsExecute();
    void ActDelExecute();
    void ActReNumExecute();
    void ActSelectAllDataExecute();

    // Address book files (AddressBookCommands.cpp). The save commands return
    // true when the book was written.
    void ActOpenExecute();
    bool ActSaveExecute();
    bool ActSaveAsExecute();
    void ActNewExecute();
    bool SaveAddressFile(const QString& path);
    void OpenAddressFile(const QString& path);

    // Records from other programs, and the book for them (ExchangeCommands.cpp).
    void ActImportExecute();
    void ActExportExecute();

    // Sorting, relation filter and postal-code hyphens.
    void ActSortExecute();
    void ActRSortExecute();
    void onRelationFilterChanged();
    void addPostalHyphens();
    void removePostalHyphens();

    // Draws the current row of the active grid in the preview box
    // (AddressPreview.cpp).
    void RefreshPreview();
    // What the address side of `row` of the active grid is drawn from: the
    // record, the sender fields, the choices and the adjustment fields.
    // `barcodeRemark`, when given, says why the record gets no barcode.
    render::AddressSideInput addressSideInput(int row, QString* barcodeRemark = nullptr) const;

    // Printing (PrintCommands.cpp).
    void ActPrintExecute();
    void ActPrinterExecute();
    // The kind whose paper the print commands use now, and the print dialog
    // started and closed on that kind's paper.
    int printKind();
    bool choosePrinterFor(int kind);

    void ActExitExecute();
    void ActAboutExecute();
    void ActPictanExecute();
    void ActCalibrateExecute();
    // Shows the help document named by the application property "helpFile"
    // in the help window, at its contents.
    void ActHelpExecute();
    HelpWindow* helpWindow() const { return help_; }
    PreviewPostalCheck* postalCheck() const { return postalCheck_; }

    void wholeGridMouseDown(Qt::MouseButton button, const QPoint& pos);
    void relationGridMouseDown(Qt::MouseButton button, const QPoint& pos);

    // " 『 name 』 が保存されていません。..." for the close questions.
    static QString unsavedQuestion(const QString& name);
    // The file name part of `path` when it has an extension, else `fallback`.
    static QString shownName(const QString& path, const QString& fallback);

    // No menu of Qt's own on the menu bar and tool bar: it would offer to
    // hide the tool bar with no way back.
    QMenu* createPopupMenu() override { return nullptr; }

  signals:
    // The close query let the window close.
    void formClosed();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void startUp();
    void buildWindow();
    void connectCommands();
    void showGridMenu(QMenu* menu, const QPoint& pos);
    // The grid every reader of the current record reads: wholeGrid while all
    // rows are shown, relationGrid while a relation is.
    platform::StringGrid* activeGrid() const;

    // Shows the relation the book shows: its grid, the filter's text and
    // the row commands that only work on the whole book.
    void showFilter(bool showingAll);

    QToolBar* ToolBar1;
    render::PreviewPage* previewPage;
    book::SenderPage* senderPage;
    book::EntryPage* entryPage;
    print::ListPage* listPage;
    message::BodyPage* bodyPage;
    QComboBox* relationFilter;
    platform::StringGrid* wholeGrid;
    platform::StringGrid* relationGrid;
    CommandTable* commands;
    QTabWidget* pages;
    QStatusBar* StatusBar1;
    QMenu* PopupMenu1;
    QMenu* GridMenu1;  // the whole book's grid
    QMenu* GridMenu2;  // the filtered grid

    platform::Dialogs& dialogs_;
    platform::PrintTarget& printer_;
    HelpWindow* help_ = nullptr;
    QStringList arguments_;
    editor::PictureEditorWindow* pictan_ = nullptr;
    QDialog* about_ = nullptr;
    bool shownOnce_ = false;
    QWidget* shownPage_ = nullptr;
    book::AddressBookDocument* book_;
    bool destroyed_ = false;
    // Read on first use, shared by the entry, sender and preview pages.
    std::unique_ptr<book::PostalDictionaryFile> postalDictionary_;
    PreviewPostalCheck* postalCheck_ = nullptr;
    PreviewOverflowNote* overflowNote_ = nullptr;
    QLabel* barcodeRemark_ = nullptr;  // why the previewed record has no barcode
};

}  // namespace app
