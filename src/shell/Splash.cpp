#include "shell/Splash.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

// The resources live in a static library, linked in only when referenced.
static void InitProgramResources() {
  Q_INIT_RESOURCE(resources);
}

namespace lrw {
namespace {

// The window has no title bar, only a thin border around the client area.
constexpr int kBorder = 1;

class QtSplashTimer : public SplashTimer {
 public:
  QtSplashTimer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (OnTimer) OnTimer();
    });
  }
  void SetInterval(int ms) override { timer_.setInterval(ms); }
  void SetEnabled(bool enabled) override {
    if (enabled) {
      timer_.start();
    } else {
      timer_.stop();
    }
  }
  bool Enabled() const override { return timer_.isActive(); }
  int Interval() const override { return timer_.interval(); }

 private:
  QTimer timer_;
};

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

TSplashForm::TSplashForm(std::unique_ptr<SplashTimer> timer, std::function<void()> processMessages,
                         QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      timer_(timer ? std::move(timer) : std::make_unique<QtSplashTimer>()),
      processMessages_(processMessages ? std::move(processMessages)
                                       : [] { QCoreApplication::processEvents(); }) {
  InitProgramResources();
  setObjectName("SplashForm");
  setWindowTitle("Velmorra");
  setFixedSize(kClientWidth + 2 * kBorder, kClientHeight + 2 * kBorder);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  Panel1 = MakePanel(this, QRect(kBorder + 2, kBorder + 4, 359, 213), QFrame::Raised,
                     QColor(0xC0, 0xC0, 0xC0));
  Panel1->setObjectName("Panel1");
  Panel2 = MakePanel(Panel1, QRect(5, 5, 348, 204), QFrame::Sunken, Qt::white);
  Panel2->setObjectName("Panel2");

  Image1 = new QLabel(Panel2);
  Image1->setObjectName("Image1");
  Image1->setGeometry(19, 11, 310, 134);
  Image1->setPixmap(QPixmap(":/logo.png"));

  lblCurrent_Release = new QLabel(Panel2);
  lblCurrent_Release->setObjectName("lblCurrent_Release");
  QFont versionFont = lblCurrent_Release->font();
  versionFont.setBold(true);
  versionFont.setItalic(true);
  versionFont.setPixelSize(15);
  lblCurrent_Release->setFont(versionFont);
  lblCurrent_Release->setStyleSheet("color: #1d2b4f;");
  lblCurrent_Release->move(296, 149);
  lblCurrent_Release->setText("v4.0");
  lblCurrent_Release->adjustSize();

  // The status line sits on the form, over the lower edge of the panels.
  lblWorking = new QLabel(this);
  lblWorking->setObjectName("lblWorking");
  lblWorking->setGeometry(kBorder + 48, kBorder + 192, 321, 15);
  lblWorking->setStyleSheet("color: #6b5a2e; background: transparent;");
  lblWorking->raise();

  for (QObject* o :
       {static_cast<QObject*>(Panel1), static_cast<QObject*>(Panel2), static_cast<QObject*>(Image1),
        static_cast<QObject*>(lblCurrent_Release), static_cast<QObject*>(lblWorking)}) {
    o->installEventFilter(this);
  }

  timer_->SetEnabled(false);
  timer_->OnTimer = [this] { Timer1Timer(); };

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
  }
}

TSplashForm::~TSplashForm() {
  timer_->OnTimer = nullptr;
  RestoreCursor();
}

void TSplashForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TSplashForm::FormShow() {
  if (!cursorSet_) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cursorSet_ = true;
  }
  lblWorking->setText(tr("Initializing..."));
  repaint();
  fired_ = false;
  ready_ = false;
  closing_ = false;
  timer_->SetInterval(kCloseAfterMs);
  processMessages_();
  timer_->SetEnabled(true);
  ready_ = true;
  if (fired_) Timer1Timer();
}

void TSplashForm::Timer1Timer() {
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

void TSplashForm::RestoreCursor() {
  if (!cursorSet_) return;
  cursorSet_ = false;
  QApplication::restoreOverrideCursor();
}

bool TSplashForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    // The logo and the status line take the click and do nothing with it.
    if (watched == Image1 || watched == lblWorking) return true;
    Timer1Timer();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TSplashForm::mousePressEvent(QMouseEvent* event) {
  if (ready_) Timer1Timer();
  event->accept();
}

void TSplashForm::keyPressEvent(QKeyEvent* event) {
  // Only Space closes the splash; Esc and Enter must not end it as a dialog.
  if (event->key() == Qt::Key_Space && ready_) Timer1Timer();
  event->accept();
}

void TSplashForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setPen(QColor(0x40, 0x40, 0x40));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void RunSplash(QWidget* disabledOwner) {
  if (disabledOwner) disabledOwner->setEnabled(false);
  {
    TSplashForm splash;
    splash.exec();
  }
  if (disabledOwner) disabledOwner->setEnabled(true);
}

}  // namespace lrw
