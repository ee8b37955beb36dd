// Everything in the designer that runs a command: the File, Edit, Run and Help menus,
// the strip's context menu and the "&Moves" buttons. Each entry runs its editor
// command and is enabled by that command's rule; the Undo and Redo entries name the
// step they would undo or redo.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "designer/ShowEditor.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolButton;
class QWidget;

namespace lrw {

class DesignerActions : public QObject, private EditorListener {
  Q_OBJECT

 public:
  // Builds the menus into `window`'s menu bar and the "&Moves" buttons into `moves`.
  DesignerActions(ShowEditor& editor, QMainWindow& window, QWidget* moves);
  ~DesignerActions() override;

  QMenu* ContextMenu() const { return contextMenu_; }

  // Sets every entry's enabled state and the Undo and Redo texts from the editor.
  void Refresh();

 private:
  void SelectionChanged() override { Refresh(); }
  void CommandStatesChanged() override { Refresh(); }

  // An entry: how to make its command (asked for its rule each time) and the widgets
  // that run it.
  struct Entry {
    std::function<std::unique_ptr<EditorCommand>()> make;
    std::vector<QAction*> actions;
    QToolButton* button = nullptr;
  };
  QAction* AddAction(QMenu* menu, const char* objectName, const QString& text,
                     const QKeySequence& key, const QString& icon);
  void Bind(Entry entry);
  void Run(const Entry& entry);
  void BuildFileMenu(QMenu* menu);
  void BuildEditMenus(QMenu* edit, QWidget* moves);
  void BuildRunMenu(QMenu* menu);
  void BuildHelpMenu(QMenu* menu);

  ShowEditor& editor_;
  QMainWindow& window_;
  QMenu* fileMenu_ = nullptr;
  QMenu* contextMenu_ = nullptr;
  QAction* loopAction_ = nullptr;
  QAction* shuffleAction_ = nullptr;
  std::vector<QAction*> undoActions_;
  std::vector<QAction*> redoActions_;
  std::vector<Entry> entries_;
};

}  // namespace lrw
