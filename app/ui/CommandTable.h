#pragma once
// The main window's commands: one table of actions (captions, categories,
// hints, shortcuts, tool bar images), and the menu bar, tool bar and context
// menus that point at them.

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QVector>

#include "platform/ui/Commands.h"

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QShortcut;
class QToolBar;

namespace app {

struct CommandDefinition {
    const char* name;  // objectName of the action
    const char16_t* category;
    const char16_t* caption;
    const char16_t* shortHint;  // empty: no hint
    const char16_t* longHint;
    const char* shortcut;  // portable text, empty: none
    int image;             // index into the tool bar images, -1: none
    bool enabled;          // state at creation
};

// Every command of the main window, in the order of the action list.
const QVector<CommandDefinition>& commandDefinitions();

class CommandTable : public QObject, public platform::Commands {
    Q_OBJECT
  public:
    // Creates the actions as children of `window` (named as in the table).
    explicit CommandTable(QMainWindow* window);

    // The action named `name`. A name the table lacks is a programming
    // error: the program stops, saying which name it was.
    QAction* action(const char* name) const;
    QAction* operator[](const char* name) const { return action(name); }
    const QVector<QAction*>& actions() const { return ordered_; }

    // Builds the menu bar "MainMenu1". A shortcut is held by the first menu
    // item that carries it; later items only show it.
    void buildMenuBar(QMenuBar* bar);
    // Builds the tool bar: image-only buttons with 8-pixel separators.
    void buildToolBar(QToolBar* bar);
    // The grids' context menus.
    QMenu* buildGrid1Menu(QWidget* parent);
    QMenu* buildGrid2Menu(QWidget* parent);

    // Sets several commands on or off at once.
    void setEnabled(std::initializer_list<const char*> names, bool on) override;

  private:
    void claimShortcut(QAction* action);

    QMainWindow* window_;
    QHash<QString, QAction*> byName_;
    QVector<QAction*> ordered_;
    QHash<QString, QString> shortcutOwner_;  // key text → action name
};

}  // namespace app
