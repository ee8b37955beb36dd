#include "shell/SplashForm.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "platform/QtIntervalTimer.h"

// The resources live in a static library, linked in only when referenced.
static void InitProgramResources() {
  Q_INIT_RESOURCE(resources);
}

namespace lrw {
namespace {

// The window has no title bar, only a thin border around the client area.
constexpr int kBorder = 1;

QFrame* MakePanel(QWidget* parent, const QRect& r, QFrame::Shadow shadow, const QColor& color) {
  auto* panel = new QFrame(parent);
  panel->setGeometry(r);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(shadow);
  panel->setLineWidth(1);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, color);
  panel->setPalette(pal);
  return panel;
}

}  // namespace

SplashForm::SplashForm(std::unique_ptr<IntervalTimer> timer, std::function<void()> processMessages,
                       QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      timer_(timer ? std::move(timer) : std::make_unique<QtIntervalTimer>()),
      processMessages_(processMessages ? std::move(processMessages)
                                       : [] { QCoreApplication::processEvents(); }) {
  InitProgramResources();
  setObjectName("SplashForm");
  setWindowTitle("Velmorra");
  setFixedSize(kClientWidth + 2 * kBorder, kClientHeight + 2 * kBorder);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  outerPanel_ = MakePanel(this, QRect(kBorder + 2, kBorder + 4, 359, 213), QFrame::Raised,
                          QColor(0xC0, 0xC0, 0xC0));
  outerPanel_->setObjectName("Panel1");
  innerPanel_ = MakePanel(outerPanel_, QRect(5, 5, 348, 204), QFrame::Sunken, Qt::white);
  innerPanel_->setObjectName("Panel2");

  logo_ = new QLabel(innerPanel_);
  logo_->setObjectName("Image1");
  logo_->setGeometry(19, 11, 310, 134);
  logo_->setPixmap(QPixmap(":/logo.png"));

  version_ = new QLabel(innerPanel_);
  version_->setObjectName("lblCurrent_Release");
  QFont versionFont = version_->font();
  versionFont.setBold(true);
  versionFont.setItalic(true);
  versionFont.setPixelSize(15);
  version_->setFont(versionFont);
  version_->setStyleSheet("color: #1d2b4f;");
  version_->move(296, 149);
  version_->setText("v4.0");
  version_->adjustSize();

  // The status line sits on the form, over the lower edge of the panels.
  status_ = new QLabel(this);
  status_->setObjectName("lblWorking");
  status_->setGeometry(kBorder + 48, kBorder + 192, 321, 15);
  status_->setStyleSheet("color: #6b5a2e; background: transparent;");
  status_->raise();

  for (QObject* o : {static_cast<QObject*>(outerPanel_), static_cast<QObject*>(innerPanel_),
                     static_cast<QObject*>(logo_), static_cast<QObject*>(version_),
                     static_cast<QObject*>(status_)}) {
    o->installEventFilter(this);
  }

  timer_->SetEnabled(false);
  timer_->SetHandler([this] { RequestClose(); });

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
  }
}

SplashForm::~SplashForm() {
  timer_->SetHandler(nullptr);
  RestoreCursor();
}

void SplashForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  OnShown();
}

void SplashForm::OnShown() {
  if (!cursorSet_) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cursorSet_ = true;
  }
  status_->setText(tr("Initializing..."));
  repaint();
  fired_ = false;
  ready_ = false;
  closing_ = false;
  timer_->SetInterval(kCloseAfterMs);
  processMessages_();
  timer_->SetEnabled(true);
  ready_ = true;
  if (fired_) RequestClose();
}

void SplashForm::RequestClose() {
  timer_->SetEnabled(false);
  fired_ = true;
  if (!ready_ || closing_) return;
  closing_ = true;
  RestoreCursor();
  // Posted: the request may come while the window is still being shown, before
  // its modal loop runs.
  QMetaObject::invokeMethod(
      this, [this] { done(QDialog::Accepted); }, Qt::QueuedConnection);
}

void SplashForm::RestoreCursor() {
  if (!cursorSet_) return;
  cursorSet_ = false;
  QApplication::restoreOverrideCursor();
}

bool SplashForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    // The logo and the status line take the click and do nothing with it.
    if (watched == logo_ || watched == status_) return true;
    RequestClose();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void SplashForm::mousePressEvent(QMouseEvent* event) {
  if (ready_) RequestClose();
  event->accept();
}

void SplashForm::keyPressEvent(QKeyEvent* event) {
  // Only Space closes the splash; Esc and Enter must not end it as a dialog.
  if (event->key() == Qt::Key_Space && ready_) RequestClose();
  event->accept();
}

void SplashForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setPen(QColor(0x40, 0x40, 0x40));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void RunSplash(QWidget* disabledOwner) {
  if (disabledOwner) disabledOwner->setEnabled(false);
  {
    SplashForm splash;
    splash.exec();
  }
  if (disabledOwner) disabledOwner->setEnabled(true);
}

}  // namespace lrw
