#include "designer/DesignerWidgets.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>
#include <algorithm>
#include <climits>

namespace lrw {
namespace {

QStyle* GroupBoxStyle(QWidget* owner) {
  static const QString kClassic = QStringLiteral("Windows");
  auto* style = owner->findChild<QStyle*>(kClassic, Qt::FindDirectChildrenOnly);
  if (!style) {
    style = QStyleFactory::create(kClassic);
    if (!style) return nullptr;
    style->setObjectName(kClassic);
    style->setParent(owner);
  }
  return style;
}

// A group box whose access key leads to its first control that can take the focus
// now (a checked radio button first), skipping disabled ones; the toolkit's own
// stops at the first control even when that one is disabled.
class AccessGroupBox : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  bool event(QEvent* e) override {
    if (e->type() != QEvent::Shortcut) return QGroupBox::event(e);
    QWidget* first = nullptr;
    // The whole chain: controls made after other widgets of the window (the menu bar)
    // do not follow the group directly.
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
      if (!isAncestorOf(w) || !w->isEnabled() || !w->isVisible()) continue;
      if (auto* radio = qobject_cast<QRadioButton*>(w); radio && radio->isChecked()) {
        first = w;
        break;
      }
      if (!first && (w->focusPolicy() & Qt::TabFocus)) first = w;
    }
    if (first) first->setFocus(Qt::ShortcutFocusReason);
    return true;
  }
};

// Room a push button needs around its text and icon: the bevel and a little air.
constexpr int kButtonPadding = 10;
// What a group box keeps free below its controls; at its right the frame line may touch
// a control's text box, whose own padding keeps the text clear of it.
constexpr int kGroupMargin = 4;
// Controls within this many pixels of their need are left as designed.
constexpr int kSlack = 2;
// Points above which the designer takes the desktop's font size.
constexpr double kDesignedPointsLimit = 9.0;

QString WithoutMnemonic(QString text) {
  return text.replace(QLatin1String("&&"), QLatin1String("\x01"))
      .remove(QLatin1Char('&'))
      .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// What one control needs for its text in the current font; a container, what its
// contents need once fitted.
QSize Needed(QWidget* w) {
  if (qobject_cast<QGroupBox*>(w) ||
      (w->metaObject() == &QWidget::staticMetaObject && !w->layout()))
    return FitToContents(w);
  if (auto* button = qobject_cast<QPushButton*>(w)) {
    const QFontMetrics fm(button->font());
    const QString text = WithoutMnemonic(button->text());
    if (text.isEmpty()) return button->size();
    int width = fm.horizontalAdvance(text) + kButtonPadding;
    if (!button->icon().isNull()) width += button->iconSize().width() + 4;
    return {width, fm.height() + 6};
  }
  if (qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
    return w->sizeHint();
  // The longest entry, as the list box sizes itself.
  if (auto* list = qobject_cast<QComboBox*>(w)) return {list->sizeHint().width(), w->height()};
  return w->size();
}

bool Overlap(int a0, int a1, int b0, int b1) {
  return a0 < b1 && b0 < a1;
}

// Grows `grown` to `need` and moves its neighbours to the right and below by as much as
// they would otherwise overlap it, keeping the gaps they were designed with.
void Grow(QWidget* grown, QSize need, const QList<QWidget*>& siblings) {
  const QRect before = grown->geometry();
  const QSize size(need.width() > before.width() + kSlack ? need.width() : before.width(),
                   need.height() > before.height() + kSlack ? need.height() : before.height());
  if (size == before.size()) return;
  grown->resize(size);
  const QRect after = grown->geometry();
  for (QWidget* s : siblings) {
    if (s == grown) continue;
    const QRect r = s->geometry();
    if (after.width() > before.width() && r.left() >= before.right() &&
        Overlap(r.top(), r.bottom() + 1, before.top(), before.bottom() + 1)) {
      const int gap = r.left() - before.right();
      if (r.left() < after.right() + gap) s->move(after.right() + gap, r.top());
    }
  }
  for (QWidget* s : siblings) {
    if (s == grown) continue;
    const QRect r = s->geometry();
    if (after.height() > before.height() && r.top() >= before.bottom() &&
        Overlap(r.left(), r.right() + 1, after.left(), after.right() + 1)) {
      const int gap = r.top() - before.bottom();
      if (r.top() < after.bottom() + gap) s->move(r.left(), after.bottom() + gap);
    }
  }
}

// Controls that came to cover each other (made at their natural size in a larger font):
// the lower one moves down when it stood mostly below, otherwise the right one moves right.
void SeparateOverlaps(QList<QWidget*> kids) {
  constexpr int kGap = 4;
  for (int pass = 0; pass < kids.size(); ++pass) {
    bool moved = false;
    std::sort(kids.begin(), kids.end(), [](QWidget* a, QWidget* b) {
      return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (QWidget* a : kids) {
      for (QWidget* b : kids) {
        if (a == b || !a->geometry().intersects(b->geometry())) continue;
        const QRect ra = a->geometry(), rb = b->geometry();
        if (rb.top() >= ra.top() + ra.height() / 2) {
          b->move(rb.left(), ra.bottom() + 1 + kGap / 2);
          moved = true;
        } else if (rb.left() > ra.left()) {
          b->move(ra.right() + 1 + kGap, rb.top());
          moved = true;
        }
      }
    }
    if (!moved) break;
  }
}

}  // namespace

int DesignerFontPixels() {
  const double points = QApplication::font().pointSizeF();
  // Points at 96 pixels per inch, as the designed positions were measured.
  return points > kDesignedPointsLimit ? std::max(11, static_cast<int>(points * 96 / 72 + 0.5))
                                       : 11;
}

QSize FitToContents(QWidget* container) {
  QList<QWidget*> kids;
  for (QObject* o : container->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && !w->isWindow() && !w->isHidden()) kids.push_back(w);
  }
  // A larger title pushes the group's controls down.
  if (auto* group = qobject_cast<QGroupBox*>(container); group && !kids.isEmpty()) {
    int top = INT_MAX;
    for (QWidget* w : kids) top = std::min(top, w->y());
    const int titleBottom = QFontMetrics(group->font()).height() + 2;
    if (top < titleBottom)
      for (QWidget* w : kids) w->move(w->x(), w->y() + titleBottom - top);
  }
  // Left to right, top to bottom, so that pushed neighbours are fitted where they land.
  std::sort(kids.begin(), kids.end(), [](QWidget* a, QWidget* b) {
    return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
  });
  for (QWidget* w : kids) Grow(w, Needed(w), kids);
  SeparateOverlaps(kids);
  QSize need = container->size();
  const int margin = qobject_cast<QGroupBox*>(container) ? kGroupMargin : 0;
  for (QWidget* w : kids) {
    need.setWidth(std::max(need.width(), w->geometry().right() + 1));
    need.setHeight(std::max(need.height(), w->geometry().bottom() + 1 + margin));
  }
  if (auto* group = qobject_cast<QGroupBox*>(container))
    need.setWidth(std::max(
        need.width(),
        QFontMetrics(group->font()).horizontalAdvance(WithoutMnemonic(group->title())) + 20));
  return need;
}

QFont DesignerWindowFont() {
  QString family = QStringLiteral("MS Sans Serif");
  for (const char* candidate : {"MS Sans Serif", "Liberation Sans", "Arial"}) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(candidate))) {
      family = QString::fromLatin1(candidate);
      break;
    }
  }
  QFont font(family);
  font.setPixelSize(DesignerFontPixels());
  return font;
}

QGroupBox* MakeGroup(QWidget* parent, const QString& objectName, const QString& title, int x, int y,
                     int w, int h) {
  auto* g = new AccessGroupBox(title, parent);
  g->setObjectName(objectName);
  if (QStyle* style = GroupBoxStyle(parent->window())) g->setStyle(style);
  g->setGeometry(x, y, w, h);
  return g;
}

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& text, int x, int y) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(objectName);
  l->move(x, y);
  l->adjustSize();
  return l;
}

QToolButton* MakeGlyphButton(QWidget* parent, const QString& objectName, const QString& icon,
                             const QString& hint, int x, int y) {
  auto* b = new QToolButton(parent);
  b->setObjectName(objectName);
  b->setIcon(QIcon(icon));
  b->setIconSize(QSize(18, 18));
  b->setToolTip(hint);
  b->setAutoRaise(false);
  b->setFocusPolicy(Qt::TabFocus);
  b->setGeometry(x, y, 25, 25);
  return b;
}

void MoveRadioTabStop(QButtonGroup* group) {
  const QList<QAbstractButton*> buttons = group->buttons();
  QAbstractButton* stop = group->checkedButton();
  if (!stop && !buttons.isEmpty()) stop = buttons.front();
  for (QAbstractButton* b : buttons) {
    b->setFocusPolicy(b == stop ? Qt::StrongFocus
                                : static_cast<Qt::FocusPolicy>(Qt::StrongFocus & ~Qt::TabFocus));
  }
}

}  // namespace lrw
