#pragma once
// The list page "一覧表": the address list or phone list of the active grid
// as text the user may still touch up, and its printing.

#include <QWidget>

#include "print/ListText.h"

class QPlainTextEdit;
class QRadioButton;
class QToolBar;

namespace platform {
class Commands;
class Dialogs;
class PrintTarget;
}  // namespace platform
namespace book {
class AddressBookDocument;
}

namespace print {

class ListPage : public QWidget {
    Q_OBJECT
  public:
    ListPage(platform::Dialogs& dialogs, platform::PrintTarget& printer, QWidget* parent = nullptr);

    // The book whose shown rows the list is made of, and the window's
    // commands the page switches.
    void setBook(const book::AddressBookDocument* book) { book_ = book; }
    void setCommands(platform::Commands* commands) { commands_ = commands; }

    // The page's show handler and both radio buttons' click handler: the
    // list is built anew from the active grid, whatever was typed into it.
    void enter() { buildList(); }
    void buildList();
    // Prints the text box's content, then says it has printed.
    void printList();

    ListKind kind() const;
    // The text box's font in points, for paper.
    QFont printFont() const;

    static constexpr qreal kTabStopInch = 0.5;

  signals:
    // The list wants the shown rows' postal codes with hyphens.
    void hyphenatedPostalCodesWanted();
    // The print dialog closed, printed or not.
    void printed();

  private:
    QToolBar* ToolBar2;
    QRadioButton* JAddres;
    QRadioButton* Phone;
    QPlainTextEdit* RichEdit1;

    platform::Dialogs& dialogs_;
    platform::PrintTarget& printer_;
    const book::AddressBookDocument* book_ = nullptr;
    platform::Commands* commands_ = nullptr;
};

}  // namespace print
