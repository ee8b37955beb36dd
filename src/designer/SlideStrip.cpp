#include "designer/SlideStrip.h"

#include "platform/ColorNames.h"

#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "platform/QtBitmap.h"
#include "platform/QtText.h"
#include "platform/SystemColors.h"

namespace lrw {
namespace {

constexpr int kCellWidth = kStripCellWidth;
constexpr int kBlankSize = 60;  // the swatch of a blank slide, as big as the largest thumbnail
const QString kEllipsis = QStringLiteral("...");

// A one-pixel frame around the inclusive rectangle (l, t)..(r, b), drawn one pixel
// outside it: `first` on the left and top (owning the bottom-left and top-left
// corners), `second` on the right and bottom (owning the top-right and bottom-right).
void DrawBevel(QPainter& p, int l, int t, int r, int b, const QColor& first, const QColor& second) {
  const int x0 = l - 1, y0 = t - 1, x1 = r + 1, y1 = b + 1;
  p.fillRect(x0, y0, 1, y1 - y0 + 1, first);   // left, bottom-left corner to top-left
  p.fillRect(x0, y0, x1 - x0, 1, first);       // top, up to the top-right corner
  p.fillRect(x1, y0, 1, y1 - y0 + 1, second);  // right, top-right to bottom-right
  p.fillRect(x0 + 1, y1, x1 - x0, 1, second);  // bottom, back to the bottom-left corner
}

}  // namespace

QFont StripFont(int points) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize((points * 96 + 36) / 72);
  return font;
}

int StripItemHeight() {
  // The height of a line of text, as the text extent of "M" gives it.
  return QFontMetrics(StripFont(8)).height() + 74;
}

QString FitCellLabel(const QString& label, int width, const QFontMetrics& metrics) {
  if (metrics.horizontalAdvance(label) <= width) return label;
  QString text = label;
  do {
    text.chop(1);
  } while (!text.isEmpty() && metrics.horizontalAdvance(text + kEllipsis) > width);
  return text + kEllipsis;
}

void DrawSlideCell(QPainter& p, const QRect& cell, const SlideRecord& slide, bool selected,
                   const CellColors& colors, const QImage& sharp) {
  p.save();
  // R with right and bottom exclusive.
  const int rl = cell.x(), rt = cell.y();
  const int rr = cell.x() + cell.width(), rb = cell.y() + cell.height();

  const bool stored = slide.Thumbnail.has_value() && !slide.Thumbnail->empty();
  // A picture slide without a stored thumbnail shows one made from its picture.
  const bool hasThumb = stored || !sharp.isNull();
  const QSize made = sharp.deviceIndependentSize().toSize();
  const int w = stored ? slide.Thumbnail->width : hasThumb ? made.width() : kBlankSize;
  const int h = stored ? slide.Thumbnail->height : hasThumb ? made.height() : kBlankSize;
  // The picture is centred in the top 70 pixels of the cell; P is inclusive.
  const int pl = rl + (kCellWidth - w) / 2;
  const int pt = rt + (70 - h) / 2;
  const int pr = pl + w - 1;
  const int pb = pt + h - 1;
  const QRect label(rl + 6, rt + 66, (rr - 6) - (rl + 6), (rb - 6) - (rt + 66));

  const QColor brush = selected ? colors.highlight : colors.face;
  p.fillRect(cell, brush);
  p.setPen(colors.face);
  p.setBrush(Qt::NoBrush);
  p.drawRect(rl, rt, cell.width() - 1, cell.height() - 1);

  // Raised cell frame around F = (R.left + 2, R.top + 2, R.right - 4, R.bottom - 5).
  DrawBevel(p, rl + 2, rt + 2, rr - 4, rb - 5, Qt::white, Qt::black);
  // Sunken frame around the picture.
  DrawBevel(p, pl, pt, pr, pb, Qt::black, Qt::white);

  if (hasThumb) {
    if (!sharp.isNull()) {
      p.drawImage(QRect(pl, pt, w, h), sharp);
    } else {
      p.drawImage(pl, pt, WrapBitmap(*slide.Thumbnail));
    }
  } else {
    p.fillRect(pl, pt, w, h, ColorFromRecord(slide.BackgroundColor));
  }
  // A picture slide keeps its name also while its picture cannot be drawn.
  QString text = slide.IsBlank() ? SlideStrip::tr("(blank)") : FromCp1252(slide.PictureName);

  const QFont font = StripFont(8);
  const QFontMetrics fm(font);
  text = FitCellLabel(text, label.width(), fm);
  const int x = label.left() + (label.width() - fm.horizontalAdvance(text)) / 2;
  p.setFont(font);
  p.setPen(selected ? colors.highlightText : colors.text);
  p.setClipRect(label);
  p.drawText(QRect(x, label.top(), fm.horizontalAdvance(text) + 1, fm.height()),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  p.restore();
}

// ---- model ----

SlideStripModel::SlideStripModel(const SlideShowDocument& document, QObject* parent)
    : QAbstractListModel(parent), document_(document), rows_(document.Count()) {}

SlideStripModel::~SlideStripModel() {
  Follow(nullptr);
}

void SlideStripModel::Follow(ShowEditor* editor) {
  if (editor_) editor_->RemoveDocumentListener(this);
  editor_ = editor;
  if (!editor_) return;
  editor_->AddDocumentListener(this);
  if (!InStep()) SlidesReset();
}

int SlideStripModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

const SlideRecord* SlideStripModel::SlideFor(const QModelIndex& index) const {
  if (!index.isValid() || !InStep() || !document_.ValidIndex(index.row())) return nullptr;
  return &document_.SlideAt(index.row());
}

QVariant SlideStripModel::data(const QModelIndex& index, int role) const {
  const SlideRecord* slide = SlideFor(index);
  if (!slide) return {};
  switch (role) {
    case Qt::DisplayRole:
      return FromCp1252(slide->PictureName);
    case Qt::AccessibleTextRole: {
      // What a screen reader says for the cell: its place in the show and its picture.
      const QString picture = slide->PictureName.empty() ? SlideStrip::tr("blank slide")
                                                         : FromCp1252(slide->PictureName);
      return SlideStrip::tr("Slide %L1 of %L2: %3").arg(index.row() + 1).arg(rows_).arg(picture);
    }
    case Qt::AccessibleDescriptionRole:
      return slide->PictureName.empty()
                 ? SlideStrip::tr("Background %1")
                       .arg(ColorName(ColorFromRecord(slide->BackgroundColor)))
                 : FromCp1252(slide->PicturePath());
    default:
      return {};
  }
}

void SlideStripModel::SlideInserted(int index) {
  beginInsertRows(QModelIndex(), index, index);
  ++rows_;
  endInsertRows();
  emit CaughtUp();
}

void SlideStripModel::SlideRemoved(int index, SlideId) {
  beginRemoveRows(QModelIndex(), index, index);
  --rows_;
  endRemoveRows();
  emit CaughtUp();
}

void SlideStripModel::SlideMoved(int from, int to) {
  beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
  endMoveRows();
  emit CaughtUp();
}

void SlideStripModel::SlideChanged(int index, SlideFields) {
  emit dataChanged(this->index(index), this->index(index));
}

void SlideStripModel::SlidesReset() {
  beginResetModel();
  rows_ = document_.Count();
  endResetModel();
  emit CaughtUp();
}

// ---- delegate ----

void SlideCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  const SlideRecord* slide = model_.SlideFor(index);
  if (!slide) return;
  const auto* strip = qobject_cast<const SlideStrip*>(option.widget);
  const CellColors colors = strip ? strip->Colors()
                                  : CellColors{option.palette.color(QPalette::Button),
                                               option.palette.color(QPalette::Highlight),
                                               option.palette.color(QPalette::HighlightedText),
                                               option.palette.color(QPalette::Text)};
  const QRect cell(option.rect.topLeft(), QSize(kCellWidth, itemHeight_));
  const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
  DrawSlideCell(*painter, cell, *slide, option.state & QStyle::State_Selected, colors,
                sharp_.Find(*slide, ratio));
  if (option.state & QStyle::State_HasFocus) {
    // The focused item is the current slide; mark it as list boxes do.
    painter->save();
    QPen pen((option.state & QStyle::State_Selected) ? colors.highlightText : colors.text);
    pen.setStyle(Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(cell.adjusted(0, 0, -1, -1));
    painter->restore();
  }
}

QSize SlideCellDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  return {kCellWidth, itemHeight_};
}

// ---- strip ----

SlideStrip::SlideStrip(const SlideShowDocument& document, QWidget* parent)
    : QListView(parent),
      model_(new SlideStripModel(document, this)),
      sharp_(new SharpThumbnails(this)),
      delegate_(new SlideCellDelegate(*model_, *sharp_, this)) {
  setModel(model_);
  setItemDelegate(delegate_);
  setViewMode(QListView::ListMode);
  setFlow(QListView::LeftToRight);
  setWrapping(false);
  setUniformItemSizes(true);
  setMovement(QListView::Static);
  setSpacing(0);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::Button));
  setPalette(pal);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { TellEditor(); });
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { TellEditor(); });
  connect(model_, &SlideStripModel::CaughtUp, this, [this] { ShowEditorSelection(); });
  connect(sharp_, &SharpThumbnails::Ready, viewport(), qOverload<>(&QWidget::update));
}

SlideStrip::~SlideStrip() {
  AttachEditor(nullptr);
}

void SlideStrip::AttachEditor(ShowEditor* editor) {
  if (editor_) editor_->RemoveListener(this);
  model_->Follow(editor);
  editor_ = editor;
  if (editor_) {
    editor_->AddListener(this);
    ShowEditorSelection();
  }
}

void SlideStrip::SelectionChanged() {
  ShowEditorSelection();
}

void SlideStrip::ShowEditorSelection() {
  // While a notice is still on its way to the rows, the rows catch up first.
  if (!editor_ || !model_->InStep()) return;
  ++programmatic_;
  const std::vector<int> wanted = editor_->SelectedIndices();
  // Left alone when it already agrees, so a mouse or key selection in progress keeps
  // its anchor.
  if (wanted != SelectedRows()) {
    QItemSelection selection;
    for (int row : wanted) selection.select(model_->index(row), model_->index(row));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  }
  const int current = editor_->CurrentIndex();
  if (current >= 0) {
    const bool moved = !currentIndex().isValid() || currentIndex().row() != current;
    selectionModel()->setCurrentIndex(model_->index(current), QItemSelectionModel::NoUpdate);
    if (moved) scrollTo(model_->index(current));
  } else {
    selectionModel()->clearCurrentIndex();
  }
  --programmatic_;
  viewport()->update();
}

void SlideStrip::TellEditor() {
  if (programmatic_ > 0 || !editor_ || !model_->InStep()) return;
  const QModelIndex current = currentIndex();
  editor_->Select(SelectedRows(), current.isValid() ? current.row() : -1);
}

void SlideStrip::mousePressEvent(QMouseEvent* event) {
  // The right button only opens the context menu: its commands act on the
  // selection as it was, so the click must not change it.
  if (event->button() == Qt::RightButton) {
    event->accept();
    return;
  }
  QListView::mousePressEvent(event);
}

void SlideStrip::SetItemHeight(int height) {
  if (height == delegate_->ItemHeight()) return;
  delegate_->SetItemHeight(height);
  // The view caches the uniform item size; a layout pass picks up the new one.
  scheduleDelayedItemsLayout();
  doItemsLayout();
}

int SlideStrip::ScrollBarHeight() const {
  return horizontalScrollBar()->sizeHint().height();
}

CellColors SlideStrip::Colors() const {
  // The active colours also while the strip has no focus, so the selected slide is
  // always plain to see.
  const QPalette& pal = palette();
  return {pal.color(QPalette::Active, QPalette::Button),
          pal.color(QPalette::Active, QPalette::Highlight),
          pal.color(QPalette::Active, QPalette::HighlightedText),
          pal.color(QPalette::Active, QPalette::Text)};
}

QString SlideStrip::ItemText(int index) const {
  return model_->data(model_->index(index), Qt::DisplayRole).toString();
}

int SlideStrip::CurrentIndex() const {
  const QModelIndex current = currentIndex();
  if (current.isValid() && current.row() < Count()) return current.row();
  return Count() > 0 ? 0 : -1;
}

std::vector<int> SlideStrip::SelectedRows() const {
  std::vector<int> rows;
  for (const QItemSelectionRange& range : selectionModel()->selection())
    for (int r = range.top(); r <= range.bottom(); ++r) rows.push_back(r);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

}  // namespace lrw
