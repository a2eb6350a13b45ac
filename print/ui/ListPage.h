#pragma once
// The list page "一覧表": the address list or phone list of the active grid
// as text the user may still touch up, and its printing.

#include <QWidget>

#include "print/ListText.h"

class QPlainTextEdit;
class QRadioButton;
class QToolBar;

namespace platform {
class Dialogs;
class PrintTarget;
}  // namespace platform

namespace print {

class ListHost;

class ListPage : public QWidget {
    Q_OBJECT
  public:
    ListPage(platform::Dialogs& dialogs, platform::PrintTarget& printer, QWidget* parent = nullptr);

    void setHost(ListHost* host) { host_ = host; }

    // The page's show handler and both radio buttons' click handler: the
    // list is built anew from the active grid, whatever was typed into it.
    void enter() { buildList(); }
    void buildList();
    // Prints the text box's content, then redraws the address preview.
    void ActPrintIchiranExecute();

    ListKind kind() const;
    // The text box's font in points, for paper.
    QFont printFont() const;

    static constexpr qreal kTabStopInch = 0.5;

  private:
    QToolBar* ToolBar2;
    QRadioButton* JAddres;
    QRadioButton* Phone;
    QPlainTextEdit* RichEdit1;

    platform::Dialogs& dialogs_;
    platform::PrintTarget& printer_;
    ListHost* host_ = nullptr;
};

}  // namespace print
