#include "designer/DesignerWidgets.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>

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

}  // namespace

QFont DesignerWindowFont() {
  QString family = QStringLiteral("MS Sans Serif");
  for (const char* candidate : {"MS Sans Serif", "Liberation Sans", "Arial"}) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(candidate))) {
      family = QString::fromLatin1(candidate);
      break;
    }
  }
  QFont font(family);
  font.setPixelSize(11);
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
