// What both placement forms on the arrangement stage share: a frameless box inside the
// stage window with a sizing border of its own (red while it has the keyboard, grey
// otherwise), moved by dragging anywhere inside, sized by dragging the border, nudged
// with Ctrl/Shift+arrows, and a popup menu on the right button and Shift+F10.
//
// The forms are child widgets of the stage, never windows of their own: their position
// is whatever the stage gives them in its own coordinates (the stored screen
// coordinates), so no window manager or compositor can move, clamp or ignore it.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include "arrange/PlacementRules.h"

class QAction;
class QMenu;

namespace lrw {

class SlidePreviewBackgroundForm;

class PreviewForm : public QWidget {
  Q_OBJECT

 public:
  // The sizing border on each side: a black line and a 4-pixel coloured band.
  static constexpr int kFrameWidth = 5;

  explicit PreviewForm(SlidePreviewBackgroundForm& stage);

  // The form's popup menu (objectName "PopupMenu1").
  QMenu* Menu() const { return menu_; }

  QRect ClientRect() const;
  int ClientWidth() const { return width() - 2 * kFrameWidth; }
  int ClientHeight() const { return height() - 2 * kFrameWidth; }
  void SetClientWidth(int w) { resize(w + 2 * kFrameWidth, height()); }
  void SetClientHeight(int h) { resize(width(), h + 2 * kFrameWidth); }
  // The outer box in stage (= screen) coordinates, frame included.
  WindowBox Bounds() const { return {x(), y(), width(), height()}; }
  void SetBounds(const WindowBox& box);

  // Whether the frame shows this form as the active one.
  bool FrameActive() const { return frameActive_; }
  void SetFrameActive(bool active);
  // Makes this the active placement form: on top of the other, red frame, keyboard focus.
  void Activate();

  // The key handling every placement form gets: the form's own keys first, then
  // nudging, Esc (leave without saving), F6 (the other form), F1 and Alt+F4 (leave saving).
  void HandleKey(int key, Qt::KeyboardModifiers modifiers);

  // What the box holds ("Picture", "Caption"); a screen reader hears it with the box's
  // place and size, again whenever they change.
  void SetBoxLabel(const QString& label);

 protected:
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // Shift+F10 opens the popup menu; true when it was that key.
  bool OpenMenuOnKey(int key, Qt::KeyboardModifiers modifiers);
  // Ends the popup menu with a separator, "Exit and &Save" and "Exit &Without Saving".
  void AddExitItems();
  // A popup menu item, addressed by `name` as its objectName.
  QAction* AddMenuItem(const QString& name, const QString& text);
  // Draws the client area; the frame is drawn over the rest afterwards.
  virtual void PaintClient(class QPainter& painter) = 0;
  // A drag has moved the pointer by `total` since the press, `step` since the last move;
  // `edges` are the edges being sized (none: the form is moved). By default the form
  // follows the pointer, its client area never narrower than a pixel.
  virtual void DragBy(QPoint total, QPoint step, Qt::Edges edges);
  // Ctrl/Shift+arrows. By default the screen's edges bound the nudging.
  virtual void NudgeBy(ArrowKey key, bool ctrl, bool shift);
  // What a screen reader hears after the box's label: its place and size.
  virtual QString PlaceText() const;
  // The frame's band: red while active, grey otherwise.
  virtual QColor BandColor(bool active) const;
  const QString& BoxLabel() const { return boxLabel_; }
  // Says the box's place again (after a change the form's geometry does not show).
  void AnnouncePlace();
  void PopUpAtCorner();

  SlidePreviewBackgroundForm& stage_;
  // Shift+Up and Shift+Down size the height (not where the height follows the content).
  bool heightKeys_ = false;
  QMenu* menu_ = nullptr;

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // The right button has opened this form's menu already; the stage's must not follow.
  void contextMenuEvent(QContextMenuEvent* event) override;
  // Tab does not wander between the forms and the stage.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  // Which edges a press at `pos` grabs (none: the press drags the form).
  Qt::Edges EdgesAt(const QPoint& pos) const;
  void UpdateCursor(const QPoint& pos);

  bool frameActive_ = false;

  QString boxLabel_;
  enum class Drag { None, Move, Size } drag_ = Drag::None;
  Qt::Edges dragEdges_;
  QPoint dragLast_;
  QPoint dragStart_;
};

}  // namespace lrw
