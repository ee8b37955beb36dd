#include "shell/DragDropFiles.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace lrw {

namespace {

bool HasLocalFiles(const QMimeData* data) {
  if (!data || !data->hasUrls()) return false;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return true;
  return false;
}

// Qt's drop actions are the same bits as our drop effects.
DropEffectSet EffectsOf(Qt::DropActions actions) {
  return static_cast<DropEffectSet>(actions.toInt());
}

}  // namespace

DragDropFiles::DragDropFiles(QObject* parent) : QObject(parent) {
  menu_ = std::make_unique<QMenu>();
  copy_ = menu_->addAction(QString());
  move_ = menu_->addAction(QString());
  link_ = menu_->addAction(QString());
  menu_->addSeparator();
  cancel_ = menu_->addAction(QString());
}

DragDropFiles::~DragDropFiles() {
  DetachTarget();
}

void DragDropFiles::NameMenuItems() {
  // Named as the menu opens: always in the language installed now.
  copy_->setText(tr("&Copy Here"));
  move_->setText(tr("&Move Here"));
  link_->setText(tr("&Shortcut(s) Create Here"));
  cancel_->setText(tr("&Abort"));
}

void DragDropFiles::SetDragDropControl(QWidget* control) {
  if (control == control_) return;
  DetachTarget();
  control_ = control;
  AttachTarget();
}

void DragDropFiles::SetTargetEffects(DropEffectSet effects) {
  targetEffects_ = effects;
  if (effects == DropEffect::None)
    DetachTarget();
  else
    AttachTarget();
}

QWidget* DragDropFiles::DropWidget() const {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(control_.data())) return area->viewport();
  return control_;
}

void DragDropFiles::AttachTarget() {
  if (attached_ || !control_ || targetEffects_ == DropEffect::None) return;
  QWidget* widget = DropWidget();
  if (!widget) return;
  control_->setAcceptDrops(true);
  widget->setAcceptDrops(true);
  widget->installEventFilter(this);
  attachedTo_ = widget;
  attached_ = true;
}

void DragDropFiles::DetachTarget() {
  if (!attached_) return;
  if (attachedTo_) {
    attachedTo_->removeEventFilter(this);
    attachedTo_->setAcceptDrops(false);
  }
  if (control_) control_->setAcceptDrops(false);
  attachedTo_ = nullptr;
  attached_ = false;
}

DropEffect DragDropFiles::EffectFor(const QMimeData* data, QObject* source,
                                    Qt::KeyboardModifiers keys, Qt::DropActions allowed) const {
  if (!HasLocalFiles(data)) return DropEffect::None;
  DropEffectQuery query;
  query.ownDrag = source && control_ && (source == control_ || source == attachedTo_);
  query.acceptOwnDnD = acceptOwnDnD_;
  query.shift = keys & Qt::ShiftModifier;
  query.ctrl = keys & Qt::ControlModifier;
  query.targetEffects = targetEffects_;
  query.sourceEffects = EffectsOf(allowed);
  return ChooseDropEffect(query);
}

void DragDropFiles::Answer(QDropEvent& event, DropEffect effect) {
  if (effect == DropEffect::None) {
    event.ignore();
    return;
  }
  event.setDropAction(static_cast<Qt::DropAction>(ToUnderlying(effect)));
  event.accept();
}

DropEffect DragDropFiles::AskEffect(const QPoint& global, DropEffect chosen) {
  copy_->setVisible(HasAny(targetEffects_, DropEffect::Copy));
  move_->setVisible(HasAny(targetEffects_, DropEffect::Move));
  link_->setVisible(HasAny(targetEffects_, DropEffect::Link));
  QAction* preferred = chosen == DropEffect::Copy   ? copy_
                       : chosen == DropEffect::Move ? move_
                                                    : link_;
  NameMenuItems();
  menu_->setDefaultAction(preferred);
  const QAction* picked = menu_->exec(global, preferred);
  if (picked == copy_) return DropEffect::Copy;
  if (picked == move_) return DropEffect::Move;
  if (picked == link_) return DropEffect::Link;
  return DropEffect::None;
}

bool DragDropFiles::eventFilter(QObject* watched, QEvent* event) {
  if (watched != attachedTo_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* e = static_cast<QDragMoveEvent*>(event);
      if (event->type() == QEvent::DragEnter) rightButtonDrag_ = e->buttons() & Qt::RightButton;
      const DropEffect effect =
          EffectFor(e->mimeData(), e->source(), e->modifiers(), e->possibleActions());
      // The source hears the same answer now as after the drop: a source that trusts a
      // move answer may delete its files as soon as the drop is done.
      Answer(*e, ReportedDropEffect(effect, EffectsOf(e->possibleActions())));
      return true;
    }
    case QEvent::DragLeave:
      return true;
    case QEvent::Drop: {
      auto* e = static_cast<QDropEvent*>(event);
      const Qt::KeyboardModifiers keys = e->modifiers();
      const QPoint point = e->position().toPoint();
      DropEffect effect = EffectFor(e->mimeData(), e->source(), keys, e->possibleActions());
      if (effect != DropEffect::None && targetPopUpMenu_ &&
          (rightButtonDrag_ || (e->buttons() & Qt::RightButton)))
        effect = AskEffect(attachedTo_->mapToGlobal(point), effect);
      // A drop the source cannot take as a copy or a link (one that offers only a move) is
      // refused whole: nothing is added for a drop the source was told failed.
      const DropEffect answer = ReportedDropEffect(effect, EffectsOf(e->possibleActions()));
      Answer(*e, answer);
      if (answer == DropEffect::None) return true;
      if (bringToFront_ && control_) control_->window()->activateWindow();
      QApplication::setOverrideCursor(Qt::WaitCursor);
      fileList_.clear();
      for (const QUrl& url : e->mimeData()->urls())
        if (url.isLocalFile()) fileList_.push_back(url.toLocalFile().toStdString());
      QApplication::restoreOverrideCursor();
      // Reported after the drop has gone back to its source, outside its drag loop.
      QMetaObject::invokeMethod(
          this, [this, keys, point, effect] { emit ProcessDropped(keys, point, effect); },
          Qt::QueuedConnection);
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace lrw
