// The slide strip: one row of owner-drawn cells, one per slide, scrolling
// horizontally. The strip reads the document directly; its item count is kept in
// step by the owner through ItemInserted/ItemRemoved/ItemsExchanged/ResetItems.
#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <QListView>
#include <QStyledItemDelegate>
#include <vector>

#include "document/SlideShowDocument.h"

class QFontMetrics;
class QPainter;

namespace lrw {

inline constexpr int kStripCellWidth = 76;

// Arial at the given points, measured at 96 pixels per inch on every screen.
QFont StripFont(int points = 8);

// Height of one strip item: the height of "M" in Arial 8 pt plus 74.
int StripItemHeight();

// The label of a cell fitted to `width`: unchanged when it fits; otherwise "..." is
// appended and the character in front of it removed until the text fits.
QString FitCellLabel(const QString& label, int width, const QFontMetrics& metrics);

struct CellColors {
  QColor face;           // the strip's own colour, also the unselected cell brush
  QColor highlight;      // brush of a selected cell
  QColor highlightText;  // label colour in a selected cell
  QColor text;           // label colour in an unselected cell
};

// Draws one strip cell into `cell` (CellWidth wide, one item high): frame, sunken
// picture frame, thumbnail or background swatch, and the label.
void ImageListBoxDrawItem(QPainter& painter, const QRect& cell, const SlideRecord& slide,
                          bool selected, const CellColors& colors);

class SlideStripModel : public QAbstractListModel {
 public:
  SlideStripModel(const SlideShowDocument& document, QObject* parent)
      : QAbstractListModel(parent), document_(document) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  const SlideRecord* SlideFor(const QModelIndex& index) const;

  void Inserted(int index);
  void Removed(int index);
  void Exchanged(int i, int j);
  void Reset();

 private:
  const SlideShowDocument& document_;
  int rows_ = 0;
};

class SlideCellDelegate : public QStyledItemDelegate {
 public:
  SlideCellDelegate(const SlideStripModel& model, QObject* parent)
      : QStyledItemDelegate(parent), model_(model) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void SetItemHeight(int height) { itemHeight_ = height; }
  int ItemHeight() const { return itemHeight_; }

 private:
  const SlideStripModel& model_;
  int itemHeight_ = 64;
};

class SlideStrip : public QListView {
  Q_OBJECT

 public:
  SlideStrip(const SlideShowDocument& document, QWidget* parent);

  int ItemHeight() const { return delegate_->ItemHeight(); }
  void SetItemHeight(int height);
  // Height of the horizontal scroll bar below the cells.
  int ScrollBarHeight() const;
  CellColors Colors() const;

  int Count() const { return model_->rowCount(); }
  QString ItemText(int index) const;
  void ItemInserted(int index);
  void ItemRemoved(int index);
  void ItemsExchanged(int i, int j);
  void ResetItems();

  // The focused item; -1 only when the strip is empty.
  int CurrentIndex() const;
  void SetCurrentIndex(int index);
  bool IsSelected(int index) const;
  void SetSelected(int index, bool selected);
  int SelectedCount() const;
  std::vector<int> SelectedRows() const;  // in strip order

 signals:
  // The selection changed through the mouse or the keyboard (not from code).
  void UserSelectionChanged();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  SlideStripModel* model_;
  SlideCellDelegate* delegate_;
  int programmatic_ = 0;
};

}  // namespace lrw
