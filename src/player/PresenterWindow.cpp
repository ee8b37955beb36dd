#include "player/PresenterWindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "player/SlidePrepForm.h"

namespace lrw {

namespace {

constexpr int kClockMs = 200;
constexpr QSize kCurrentSize(480, 360);
constexpr QSize kNextSize(320, 240);
constexpr double kBigText = 1.6;

QString Clock(int64_t ms) {
  const int64_t seconds = ms / 1000;
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QLabel* PictureLabel(QWidget* parent, const char* name, QSize size) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setMinimumSize(size);
  label->setAlignment(Qt::AlignCenter);
  label->setStyleSheet(QStringLiteral("background: black; color: white;"));
  return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  // The window keeps the keyboard, so that the show's keys work here too.
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

QScreen* PresenterWindow::ScreenFor(const QScreen* showScreen, const QWidget* designer) {
  if (designer && designer->isVisible() && designer->screen() != showScreen) {
    return designer->screen();
  }
  for (QScreen* s : QGuiApplication::screens()) {
    if (s != showScreen) return s;
  }
  return nullptr;
}

PresenterWindow::PresenterWindow(SlidePrepForm& show, QScreen* screen)
    : QWidget(nullptr, Qt::Window), show_(show) {
  setObjectName(QStringLiteral("PresenterWindow"));
  setWindowTitle(tr("%1 presenter").arg(QApplication::applicationDisplayName()));
  setAttribute(Qt::WA_DeleteOnClose, false);

  current_ = PictureLabel(this, "Current", kCurrentSize);
  current_->setAccessibleName(tr("Slide on screen"));
  next_ = PictureLabel(this, "Next", kNextSize);
  next_->setAccessibleName(tr("Next slide"));
  number_ = new QLabel(this);
  number_->setObjectName(QStringLiteral("Number"));
  elapsed_ = new QLabel(this);
  elapsed_->setObjectName(QStringLiteral("Elapsed"));
  timeLeft_ = new QLabel(this);
  timeLeft_->setObjectName(QStringLiteral("TimeLeft"));
  // Read from a step away.
  QFont big = number_->font();
  if (big.pointSizeF() > 0) {
    big.setPointSizeF(big.pointSizeF() * kBigText);
  } else {
    big.setPixelSize(static_cast<int>(big.pixelSize() * kBigText));
  }
  for (QLabel* l : {number_, elapsed_, timeLeft_}) l->setFont(big);

  backButton_ = Button(this, "BackButton", tr("&Back"));
  pauseButton_ = Button(this, "PauseButton", tr("&Pause"));
  forwardButton_ = Button(this, "ForwardButton", tr("&Forward"));
  connect(backButton_, &QPushButton::clicked, this,
          [this] { show_.Runner().OnKeyPress(RunnerKey::Left); });
  connect(pauseButton_, &QPushButton::clicked, this,
          [this] { show_.Runner().OnKeyPress(RunnerKey::P); });
  connect(forwardButton_, &QPushButton::clicked, this,
          [this] { show_.Runner().OnKeyPress(RunnerKey::Right); });

  auto* grid = new QGridLayout(this);
  grid->addWidget(current_, 0, 0);
  grid->addWidget(next_, 0, 1, Qt::AlignTop);
  grid->addWidget(number_, 1, 0);
  grid->addWidget(elapsed_, 1, 1);
  grid->addWidget(timeLeft_, 2, 0);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(backButton_);
  buttons->addWidget(pauseButton_);
  buttons->addWidget(forwardButton_);
  grid->addLayout(buttons, 3, 0, 1, 2);

  connect(&show_, &SlidePrepForm::StateChanged, this, &PresenterWindow::Refresh);
  connect(&clock_, &QTimer::timeout, this, &PresenterWindow::RefreshClock);
  clock_.start(kClockMs);
  Refresh();

  if (screen) {
    setScreen(screen);
    adjustSize();
    // Top left: the designer opens at the bottom right.
    move(screen->availableGeometry().topLeft());
  }
}

void PresenterWindow::Refresh() {
  const ShowRunner& runner = show_.Runner();
  const int count = static_cast<int>(runner.Slides().size());
  if (runner.CurrentIndex() >= 0) {
    number_->setText(tr("Slide %1 of %2").arg(runner.CurrentIndex() + 1).arg(count));
  }
  const auto fit = [](const QImage& picture, QSize size) {
    return QPixmap::fromImage(picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  };
  if (!show_.ShownSlidePicture().isNull()) {
    current_->setPixmap(fit(show_.ShownSlidePicture(), kCurrentSize));
  }
  if (show_.NextSlidePicture().isNull()) {
    next_->setPixmap({});
    next_->setText(tr("End of the show"));
  } else {
    next_->setPixmap(fit(show_.NextSlidePicture(), kNextSize));
  }
  pauseButton_->setEnabled(!show_.Paused());
  RefreshClock();
}

void PresenterWindow::RefreshClock() {
  elapsed_->setText(tr("Elapsed %1").arg(Clock(show_.ElapsedMs())));
  const int64_t left = show_.Runner().TimeLeftMs();
  timeLeft_->setText(left < 0 ? QString() : tr("Time left %1").arg(Clock(left + 999)));
}

void PresenterWindow::keyPressEvent(QKeyEvent* event) {
  show_.OnKeyPress(*event);
  event->accept();
}

}  // namespace lrw
