#include "effects/SlideTransitionForm.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <optional>

#include "effects/BitmapResource.h"
#include "effects/SmoothTransitions.h"
#include "platform/QtBitmap.h"
#include "player/MotionLayer.h"

namespace lrw {

namespace {

constexpr int kReleaseDelayMs = 700;

// Draws `bitmap` stretched over the whole control; the canvas notifies the change as it goes.
void StretchDraw(FxImage& image, const std::optional<Bitmap>& bitmap) {
  if (!bitmap || bitmap->empty()) return;
  FxCanvas canvas = image.Canvas();
  canvas->setRenderHint(QPainter::SmoothPixmapTransform, false);
  canvas->drawImage(QRect(0, 0, image.width(), image.height()), WrapBitmap(*bitmap));
}

// How long the demonstration moves the second picture when the slide has motion.
constexpr double kMotionDemoSeconds = 2.5;

// After the transition, the slide's motion over the second picture; the window then stays
// until the motion has ended. False (the window goes as usual) for a slide without motion.
bool DemonstrateMotion(SlideTransitionForm& form, MotionLayer& layer, const SlideRecord& slide,
                       const std::optional<Bitmap>& second) {
  MotionPicture motion;
  SlideRecord still = slide;
  still.ShowCaption = 0;
  const QSize device = form.Image()->DeviceSize();
  if (!second ||
      !motion.PrepareImage(still, WrapBitmap(*second), 0, device, form.devicePixelRatioF())) {
    form.ReleaseTimer()->start();
    return false;
  }
  layer.StartMotion(std::move(motion), kMotionDemoSeconds);
  form.ReleaseTimer()->start(static_cast<int>(kMotionDemoSeconds * 1000) +
                             form.ReleaseTimer()->interval());
  return true;
}

}  // namespace

SlideTransitionForm::SlideTransitionForm(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("SlideTransitionForm"));
  setWindowTitle(tr("Brightframework - SlideTransition"));
  setAttribute(Qt::WA_DeleteOnClose);
  image_ = new FxImage(this);
  image_->setObjectName(QStringLiteral("FxImage1"));
  releaseTimer_ = new QTimer(this);
  releaseTimer_->setObjectName(QStringLiteral("Timer1"));
  releaseTimer_->setInterval(kReleaseDelayMs);
  releaseTimer_->setSingleShot(false);
  connect(releaseTimer_, &QTimer::timeout, this, &SlideTransitionForm::OnReleaseTimer);
}

void SlideTransitionForm::OnReleaseTimer() {
  releaseTimer_->stop();
  deleteLater();  // after the messages already queued
}

SlideTransitionForm* ShowTransitionDemo(const SlideRecord& slide, QWidget* owner,
                                        double pacingFactor) {
  QPointer<SlideTransitionForm> form = new SlideTransitionForm(owner);
  form->Image()->SetPacingFactor(pacingFactor);
  const std::optional<Bitmap> first = LoadBitmapResource("TRANSPREVIEW1");
  const std::optional<Bitmap> second = LoadBitmapResource("TRANSPREVIEW2");

  // Three times the sample's size; 720 x 540 for the built-in pictures.
  const int w = first ? first->width * 3 : 720;
  const int h = first ? first->height * 3 : 540;
  form->setFixedSize(w, h);
  form->Image()->setGeometry(0, 0, w, h);
  form->Image()->SetEffect(0);
  StretchDraw(*form->Image(), first);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    form->move(area.left() + (area.width() - w) / 2, area.top() + (area.height() - h) / 2);
  }
  form->show();
  QApplication::processEvents();  // comes up showing the first picture in one piece
  if (!form) return nullptr;      // closed meanwhile

  if (slide.Smooth != SmoothEffect::None && second) {
    // Blended frame by frame on a layer over the control, then left on the control.
    QImage to(form->Image()->DeviceSize(), QImage::Format_RGB32);
    {
      QPainter painter(&to);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawImage(to.rect(), WrapBitmap(*second));
    }
    auto* layer = new MotionLayer(form);
    layer->setGeometry(0, 0, w, h);
    layer->PlaySmooth(slide.Smooth, form->Image()->ScreenImage(), to,
                      SmoothSeconds(slide.BoxWidth) * pacingFactor);
    if (!form) return nullptr;
    form->Image()->SetEffect(0);
    StretchDraw(*form->Image(), second);
    form->Image()->PlayPending();
    if (!DemonstrateMotion(*form, *layer, slide, second)) layer->hide();
    return form;
  }
  form->Image()->SetEffect(slide.Effect);
  // A box width beyond a byte can only come from a damaged record; take the nearest width.
  form->Image()->SetBoxWidth(static_cast<uint8_t>(std::clamp<int>(slide.BoxWidth, 0, 255)));
  StretchDraw(*form->Image(), second);
  QApplication::processEvents();  // the transition plays here
  if (!form) return nullptr;
  auto* layer = new MotionLayer(form);
  layer->setGeometry(0, 0, w, h);
  if (!DemonstrateMotion(*form, *layer, slide, second)) delete layer;
  return form;
}

}  // namespace lrw
