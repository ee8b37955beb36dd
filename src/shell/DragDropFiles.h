// Makes one control a drop target for files: the effect is chosen from the keys and
// what both sides allow, a right-button drop asks for it in a popup menu, and after the
// drop has returned to its source the component reports it through ProcessDropped with
// the dropped file names in FileList. The source is never answered "move", at any stage
// of the drag: the files are only read.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "shell/DropEffects.h"

class QMenu;
class QAction;
class QDropEvent;
class QMimeData;
class QWidget;

namespace lrw {

class DragDropFiles : public QObject {
  Q_OBJECT

 public:
  explicit DragDropFiles(QObject* parent = nullptr);
  ~DragDropFiles() override;

  // The control whose area takes the drops (for a scroll area, its viewport).
  QWidget* DragDropControl() const { return control_; }
  void SetDragDropControl(QWidget* control);
  DropEffectSet TargetEffects() const { return targetEffects_; }
  // An empty set leaves the control no drop target.
  void SetTargetEffects(DropEffectSet effects);
  bool Attached() const { return attached_; }

  // A right-button drop asks for its effect (on by default).
  void SetTargetPopUpMenu(bool on) { targetPopUpMenu_ = on; }
  // Drops that come from this program are taken too (off by default).
  void SetAcceptOwnDnD(bool on) { acceptOwnDnD_ = on; }
  // The control's window comes to the front on a drop (off by default).
  void SetBringToFront(bool on) { bringToFront_ = on; }

  // The local files of the last drop, UTF-8, in the order the source listed them.
  const std::vector<std::string>& FileList() const { return fileList_; }

  // The effect menu of a right-button drop, in the user's language.
  QMenu* PopupMenu() const { return menu_.get(); }
  // Shows the effect menu at `global` with `chosen` as the default item and returns
  // the effect picked (none when cancelled or dismissed).
  DropEffect AskEffect(const QPoint& global, DropEffect chosen);

 signals:
  // Once per completed drop, after the drop has returned to the source.
  void ProcessDropped(Qt::KeyboardModifiers keys, const QPoint& point, DropEffect effect);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void NameMenuItems();
  void AttachTarget();
  void DetachTarget();
  QWidget* DropWidget() const;
  DropEffect EffectFor(const QMimeData* data, QObject* source, Qt::KeyboardModifiers keys,
                       Qt::DropActions allowed) const;
  // Accepts the event with `effect` as the answer to the source, or refuses it for none.
  static void Answer(QDropEvent& event, DropEffect effect);

  QPointer<QWidget> control_;
  QPointer<QWidget> attachedTo_;
  DropEffectSet targetEffects_ = DropEffect::None;
  bool attached_ = false;
  bool rightButtonDrag_ = false;
  bool targetPopUpMenu_ = true;
  bool acceptOwnDnD_ = false;
  bool bringToFront_ = false;
  std::vector<std::string> fileList_;  // seen when the drag entered, while the button was held
  // A popup of its own, without a parent window.
  std::unique_ptr<QMenu> menu_;
  QAction* copy_ = nullptr;
  QAction* move_ = nullptr;
  QAction* link_ = nullptr;
  QAction* cancel_ = nullptr;
};

}  // namespace lrw
