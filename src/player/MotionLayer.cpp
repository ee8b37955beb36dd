#include "player/MotionLayer.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "effects/MotionFraming.h"
#include "effects/SmoothTransitions.h"
#include "platform/QtBitmap.h"

namespace lrw {
namespace {

// Without a known refresh rate the layer draws at 60 frames a second.
constexpr double kDefaultRefresh = 60.0;
// Frame times kept for measuring; a long show keeps the latest ones only.
constexpr size_t kMaxFrameTimes = 1 << 16;

Bitmap ToBitmap(const QImage& image) {
  const QImage rgb =
      image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
  Bitmap bitmap(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    std::memcpy(bitmap.row(y), rgb.constScanLine(y), static_cast<size_t>(rgb.width()) * 4);
  }
  return bitmap;
}

}  // namespace

MotionLayer::MotionLayer(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MotionLayer"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  clock_.setTimerType(Qt::PreciseTimer);
  connect(&clock_, &QTimer::timeout, this, [this] { Tick(); });
  logClock_.start();
  const QString log = qEnvironmentVariable("LRW_FRAME_LOG");
  if (!log.isEmpty()) {
    frameLog_.setFileName(log);
    if (!frameLog_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
      qWarning("The frame log %s cannot be written.", qPrintable(log));
    }
  }
  hide();
}

void MotionLayer::LogFrame(const char* kind, qint64 tick, qint64 drawn, qint64 handed) {
  if (!frameLog_.isOpen()) return;
  const QSize size = frameImage_.size();
  frameLog_.write(QStringLiteral("%1 %2x%3 %4 %5 %6\n")
                      .arg(QLatin1String(kind))
                      .arg(size.width())
                      .arg(size.height())
                      .arg(tick / 1e6, 0, 'f', 3)
                      .arg((drawn - tick) / 1e6, 0, 'f', 3)
                      .arg((handed - tick) / 1e6, 0, 'f', 3)
                      .toLatin1());
  frameLog_.flush();
}

int MotionLayer::FrameIntervalMs() const {
  const QScreen* s = screen();
  const double rate = s && s->refreshRate() > 1 ? s->refreshRate() : kDefaultRefresh;
  return std::max(1, static_cast<int>(std::floor(1000.0 / rate)));
}

void MotionLayer::EnsureFrame(QSize deviceSize) {
  if (frame_.width != deviceSize.width() || frame_.height != deviceSize.height()) {
    frame_ = Bitmap(deviceSize.width(), deviceSize.height());
    frameImage_ = WrapBitmap(frame_);
  }
  frameImage_.setDevicePixelRatio(devicePixelRatioF());
}

QImage MotionLayer::Frame() const {
  return frameImage_;
}

void MotionLayer::PlaySmooth(SmoothEffect effect, const QImage& from, const QImage& to,
                             double seconds) {
  Stop();
  abandoned_ = false;
  const Bitmap a = ToBitmap(from);
  const Bitmap b = ToBitmap(to);
  EnsureFrame(QSize(b.width, b.height));
  if (a.width != b.width || a.height != b.height || seconds <= 0) {
    frame_ = b;
    frameImage_ = WrapBitmap(frame_);
    frameImage_.setDevicePixelRatio(devicePixelRatioF());
    show();
    raise();
    repaint();
    return;
  }
  show();
  raise();
  const int interval = FrameIntervalMs();
  QElapsedTimer timer;
  timer.start();
  for (;;) {
    const qint64 tick = timer.nsecsElapsed();
    const qint64 logTick = logClock_.nsecsElapsed();
    const double progress = std::min(1.0, tick / 1e9 / seconds);
    DrawSmoothFrame(effect, a, b, progress, frame_);
    const qint64 drawn = logClock_.nsecsElapsed();
    repaint();
    if (frameTimes_.size() < kMaxFrameTimes) {
      frameTimes_.push_back((timer.nsecsElapsed() - tick) / 1e6);
    }
    LogFrame("smooth", logTick, drawn, logClock_.nsecsElapsed());
    if (progress >= 1 || abandoned_) break;
    QCoreApplication::processEvents();
    // On to the next refresh.
    const qint64 nextMs = (tick / 1000000) + interval;
    const qint64 waitMs = nextMs - timer.elapsed();
    if (waitMs > 0) QThread::msleep(static_cast<unsigned long>(waitMs));
  }
}

void MotionLayer::StartMotion(MotionPicture motion, double seconds) {
  clock_.stop();
  motion_ = std::move(motion);
  motionSeconds_ = seconds;
  pausedMs_ = 0;
  pauseStartedMs_ = -1;
  elapsed_.start();
  EnsureFrame(QSize(width() * devicePixelRatioF() + 0.5, height() * devicePixelRatioF() + 0.5));
  show();
  raise();
  Tick();
  clock_.start(FrameIntervalMs());
}

void MotionLayer::Stop() {
  clock_.stop();
  motion_.Clear();
}

void MotionLayer::SetPaused(bool paused) {
  if (!motion_.Ready()) return;
  if (paused && pauseStartedMs_ < 0) {
    pauseStartedMs_ = elapsed_.elapsed();
    clock_.stop();
  } else if (!paused && pauseStartedMs_ >= 0) {
    pausedMs_ += elapsed_.elapsed() - pauseStartedMs_;
    pauseStartedMs_ = -1;
    clock_.start(FrameIntervalMs());
  }
}

double MotionLayer::MotionElapsed() const {
  return (elapsed_.elapsed() - pausedMs_) / 1000.0;
}

void MotionLayer::Tick() {
  if (!motion_.Ready()) return;
  QElapsedTimer timer;
  timer.start();
  const qint64 logTick = logClock_.nsecsElapsed();
  const double fraction = MotionFraction(MotionElapsed(), motionSeconds_);
  motion_.Draw(fraction, frameImage_);
  const qint64 drawn = logClock_.nsecsElapsed();
  repaint();
  if (frameTimes_.size() < kMaxFrameTimes) frameTimes_.push_back(timer.nsecsElapsed() / 1e6);
  LogFrame("motion", logTick, drawn, logClock_.nsecsElapsed());
  // The end framing holds; nothing changes any more.
  if (fraction >= 1 || motionSeconds_ <= 0) clock_.stop();
}

void MotionLayer::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (frameImage_.isNull()) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  // One frame pixel on each device pixel.
  painter.drawImage(event->rect(), frameImage_,
                    QRectF(event->rect().topLeft() * devicePixelRatioF(),
                           QSizeF(event->rect().size()) * devicePixelRatioF()));
}

}  // namespace lrw
