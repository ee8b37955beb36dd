#include "arrange/PreviewForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "arrange/SlidePreviewBackgroundForm.h"
#include "platform/HelpViewer.h"

namespace lrw {

PreviewForm::PreviewForm(SlidePreviewBackgroundForm& stage) : QWidget(&stage), stage_(stage) {
  // Never visible, but what the form has always been called.
  setWindowTitle(tr("Move or Size This Window"));
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("PopupMenu1"));
}

void PreviewForm::SetBoxLabel(const QString& label) {
  boxLabel_ = label;
  setAccessibleDescription(
      tr("Ctrl+arrows move the box, Ctrl+Shift+arrows move it further, Shift+arrows size "
         "it, F6 goes to the other box, Shift+F10 opens its menu, Esc leaves without saving"));
  AnnouncePlace();
}

QString PreviewForm::PlaceText() const {
  return tr("%1, left %L2, top %L3, %L4 by %L5 pixels")
      .arg(boxLabel_)
      .arg(x())
      .arg(y())
      .arg(width())
      .arg(height());
}

void PreviewForm::AnnouncePlace() {
  if (boxLabel_.isEmpty()) return;
  setAccessibleName(PlaceText());
}

QColor PreviewForm::BandColor(bool active) const {
  return active ? QColor(255, 0, 0) : QColor(128, 128, 128);
}

void PreviewForm::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  AnnouncePlace();
}

void PreviewForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  AnnouncePlace();
}

QRect PreviewForm::ClientRect() const {
  return rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
}

void PreviewForm::SetBounds(const WindowBox& box) {
  setGeometry(box.left, box.top, box.width, box.height);
}

void PreviewForm::SetFrameActive(bool active) {
  if (frameActive_ == active) return;
  frameActive_ = active;
  update();
}

void PreviewForm::Activate() {
  raise();
  setFocus(Qt::OtherFocusReason);
  // Also while the stage window is not active yet (no focus notice then).
  stage_.PlacementActivated(this);
}

void PreviewForm::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  stage_.PlacementActivated(this);
}

void PreviewForm::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  // Clicking the stage, the other form or another program leaves this one grey; its
  // own popup menu does not.
  if (event->reason() != Qt::PopupFocusReason) SetFrameActive(false);
}

void PreviewForm::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
}

void PreviewForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.save();
  painter.setClipRect(ClientRect());
  painter.translate(ClientRect().topLeft());
  PaintClient(painter);
  painter.restore();
  // The band from (1, 1) to (width - 1, height - 1), 4 pixels wide, then a black line
  // around the whole form.
  const QColor band = BandColor(frameActive_);
  const int w = width();
  const int h = height();
  painter.fillRect(1, 1, w - 2, 4, band);
  painter.fillRect(1, h - 5, w - 2, 4, band);
  painter.fillRect(1, 1, 4, h - 2, band);
  painter.fillRect(w - 5, 1, 4, h - 2, band);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, w - 1, h - 1);
}

bool PreviewForm::OpenMenuOnKey(int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers held =
      modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key != Qt::Key_F10 || held != Qt::ShiftModifier) return false;
  PopUpAtCorner();
  return true;
}

void PreviewForm::AddExitItems() {
  menu_->addSeparator();
  QAction* save = AddMenuItem(QStringLiteral("ExitandSave1"), tr("Exit and &Save"));
  QAction* leave = AddMenuItem(QStringLiteral("ExitWithoutSaving1"), tr("Exit &Without Saving"));
  connect(save, &QAction::triggered, this, [this] { stage_.close(); });
  connect(leave, &QAction::triggered, this, [this] { stage_.LeaveWithoutSaving(); });
}

QAction* PreviewForm::AddMenuItem(const QString& name, const QString& text) {
  QAction* action = menu_->addAction(text);
  action->setObjectName(name);
  return action;
}

void PreviewForm::PopUpAtCorner() {
  // Left + 10, top + 10 of the form, in screen coordinates.
  menu_->popup(mapToGlobal(QPoint(10, 10)));
}

void PreviewForm::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
  OpenMenuOnKey(key, modifiers);
  const bool ctrl = modifiers & Qt::ControlModifier;
  const bool shift = modifiers & Qt::ShiftModifier;
  std::optional<ArrowKey> arrow;
  switch (key) {
    case Qt::Key_Left:
      arrow = ArrowKey::Left;
      break;
    case Qt::Key_Up:
      arrow = ArrowKey::Up;
      break;
    case Qt::Key_Right:
      arrow = ArrowKey::Right;
      break;
    case Qt::Key_Down:
      arrow = ArrowKey::Down;
      break;
    default:
      break;
  }
  if (arrow) {
    NudgeBy(*arrow, ctrl, shift);
    return;
  }
  if (key == Qt::Key_F1) {
    ShowHelp(kHelpArrangementStage);
  } else if (key == Qt::Key_Escape) {
    stage_.HandleKey(Qt::Key_Escape, modifiers);
  } else if (key == Qt::Key_F5) {
    stage_.PreviewMotion();
  } else if (key == Qt::Key_F6) {
    stage_.SwitchForms(this);
  } else if (key == Qt::Key_F4 && (modifiers & Qt::AltModifier)) {
    // Desktops without a window manager that closes on Alt+F4 still get the close.
    close();
  }
}

void PreviewForm::NudgeBy(ArrowKey key, bool ctrl, bool shift) {
  const QSize screen = stage_.ScreenSize();
  if (const auto box = NudgeWindow(Bounds(), key, ctrl, shift, heightKeys_, ClientHeight(),
                                   screen.width(), screen.height())) {
    SetBounds(*box);
  }
}

void PreviewForm::keyPressEvent(QKeyEvent* event) {
  HandleKey(event->key(), event->modifiers());
  event->accept();
}

Qt::Edges PreviewForm::EdgesAt(const QPoint& pos) const {
  Qt::Edges edges;
  // Corners grab a little further along the border, as window frames do.
  const int corner = 3 * kFrameWidth;
  const bool left = pos.x() < kFrameWidth;
  const bool right = pos.x() >= width() - kFrameWidth;
  const bool top = pos.y() < kFrameWidth;
  const bool bottom = pos.y() >= height() - kFrameWidth;
  if (!(left || right || top || bottom)) return edges;
  if (left || ((top || bottom) && pos.x() < corner)) edges |= Qt::LeftEdge;
  if (right || ((top || bottom) && pos.x() >= width() - corner)) edges |= Qt::RightEdge;
  if (top || ((left || right) && pos.y() < corner)) edges |= Qt::TopEdge;
  if (bottom || ((left || right) && pos.y() >= height() - corner)) edges |= Qt::BottomEdge;
  return edges;
}

void PreviewForm::UpdateCursor(const QPoint& pos) {
  const Qt::Edges e = EdgesAt(pos);
  const bool horizontal = e & (Qt::LeftEdge | Qt::RightEdge);
  const bool vertical = e & (Qt::TopEdge | Qt::BottomEdge);
  if (horizontal && vertical) {
    const bool falling = (e.testFlag(Qt::LeftEdge) && e.testFlag(Qt::TopEdge)) ||
                         (e.testFlag(Qt::RightEdge) && e.testFlag(Qt::BottomEdge));
    setCursor(falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
  } else if (horizontal) {
    setCursor(Qt::SizeHorCursor);
  } else if (vertical) {
    setCursor(Qt::SizeVerCursor);
  } else {
    unsetCursor();
  }
}

void PreviewForm::mousePressEvent(QMouseEvent* event) {
  Activate();
  if (event->button() == Qt::RightButton) {
    menu_->popup(event->globalPosition().toPoint());
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  dragEdges_ = EdgesAt(event->position().toPoint());
  drag_ = dragEdges_ ? Drag::Size : Drag::Move;
  dragLast_ = event->globalPosition().toPoint();
  dragStart_ = dragLast_;
}

void PreviewForm::mouseMoveEvent(QMouseEvent* event) {
  const QPoint global = event->globalPosition().toPoint();
  if (drag_ == Drag::None) {
    UpdateCursor(event->position().toPoint());
    return;
  }
  // Screen deltas, not positions read back: the form follows the pointer exactly.
  const QPoint delta = global - dragLast_;
  if (delta.isNull()) return;
  dragLast_ = global;
  DragBy(global - dragStart_, delta, drag_ == Drag::Size ? dragEdges_ : Qt::Edges());
}

void PreviewForm::DragBy(QPoint, QPoint delta, Qt::Edges edges) {
  WindowBox box = Bounds();
  if (!edges) {
    box.left += delta.x();
    box.top += delta.y();
  } else {
    // The border follows the pointer; the client area never shrinks below one pixel.
    const int minimum = 2 * kFrameWidth + 1;
    if (edges & Qt::LeftEdge) {
      const int w = std::max(minimum, box.width - delta.x());
      box.left += box.width - w;
      box.width = w;
    }
    if (edges & Qt::RightEdge) box.width = std::max(minimum, box.width + delta.x());
    if (edges & Qt::TopEdge) {
      const int h = std::max(minimum, box.height - delta.y());
      box.top += box.height - h;
      box.height = h;
    }
    if (edges & Qt::BottomEdge) box.height = std::max(minimum, box.height + delta.y());
  }
  SetBounds(box);
}

void PreviewForm::mouseReleaseEvent(QMouseEvent*) {
  drag_ = Drag::None;
}

void PreviewForm::closeEvent(QCloseEvent* event) {
  // Closing either placement form ends the arrangement with saving; the stage frees
  // the form itself.
  event->ignore();
  stage_.close();
}

}  // namespace lrw
