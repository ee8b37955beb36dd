// The slide strip: one row of owner-drawn cells, one per slide, scrolling
// horizontally, a view of the document that follows its notices.
#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <QListView>
#include <QStyledItemDelegate>
#include <vector>

#include "designer/SharpThumbnails.h"
#include "designer/ShowEditor.h"
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

// Draws one strip cell into `cell` (kStripCellWidth wide, one item high): frame, sunken
// picture frame, thumbnail or background swatch, and the label. `sharp`, when not null,
// is the thumbnail at the screen's device pixels, drawn in the stored thumbnail's place.
void DrawSlideCell(QPainter& painter, const QRect& cell, const SlideRecord& slide, bool selected,
                   const CellColors& colors, const QImage& sharp = {});

// The rows follow the document's notices; drawing reads the slide records themselves.
class SlideStripModel : public QAbstractListModel, private DocumentListener {
  Q_OBJECT

 public:
  SlideStripModel(const SlideShowDocument& document, QObject* parent);
  ~SlideStripModel() override;
  // Follows the changes of the editor's document, which must be the one shown (null
  // stops following).
  void Follow(ShowEditor* editor);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  const SlideRecord* SlideFor(const QModelIndex& index) const;
  // Whether the rows stand for the document's slides as they are now (not while a
  // notice is on its way).
  bool InStep() const { return rows_ == document_.Count(); }

 signals:
  // The rows have caught up with a change of the document.
  void CaughtUp();

 private:
  void SlideInserted(int index) override;
  void SlideRemoved(int index, SlideId id) override;
  void SlideMoved(int from, int to) override;
  void SlideChanged(int index, SlideFields fields) override;
  void SlidesReset() override;

  const SlideShowDocument& document_;
  ShowEditor* editor_ = nullptr;
  int rows_ = 0;
};

class SlideCellDelegate : public QStyledItemDelegate {
 public:
  SlideCellDelegate(const SlideStripModel& model, SharpThumbnails& sharp, QObject* parent)
      : QStyledItemDelegate(parent), model_(model), sharp_(sharp) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void SetItemHeight(int height) { itemHeight_ = height; }
  int ItemHeight() const { return itemHeight_; }

 private:
  const SlideStripModel& model_;
  SharpThumbnails& sharp_;
  int itemHeight_ = 64;
};

// The strip. Its selection and focus are the editor's: what the user does in the strip
// goes to the editor, and what the editor says is shown.
class SlideStrip : public QListView, private EditorListener {
  Q_OBJECT

 public:
  SlideStrip(const SlideShowDocument& document, QWidget* parent);
  ~SlideStrip() override;

  // From now on the strip follows the editor's document and its selection is the
  // editor's (the designer's strip); without an editor the strip shows the show as it is.
  void AttachEditor(ShowEditor* editor);

  int ItemHeight() const { return delegate_->ItemHeight(); }
  void SetItemHeight(int height);
  // Height of the horizontal scroll bar below the cells.
  int ScrollBarHeight() const;
  CellColors Colors() const;

  int Count() const { return model_->rowCount(); }
  QString ItemText(int index) const;
  // The focused item, -1 only when the strip is empty.
  int CurrentIndex() const;
  std::vector<int> SelectedRows() const;  // in strip order

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void SelectionChanged() override;  // the editor's
  void ShowEditorSelection();
  void TellEditor();

  SlideStripModel* model_;
  SharpThumbnails* sharp_;
  SlideCellDelegate* delegate_;
  ShowEditor* editor_ = nullptr;
  int programmatic_ = 0;
};

}  // namespace lrw
