#include "player/SlidePrepForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTouchEvent>
#include <algorithm>

#include "document/Cp1252.h"
#include "effects/FxImage.h"
#include "effects/MotionFraming.h"
#include "effects/SmoothTransitions.h"
#include "export/AudioTrack.h"
#include "platform/HelpViewer.h"
#include "platform/QtPrompts.h"
#include "player/MotionLayer.h"
#include "player/MprisService.h"
#include "player/PresenterWindow.h"

namespace lrw {

namespace {

constexpr int kBlackScreenWaitMs = 250;
// The presenter's and the media controls' pictures of the slides.
constexpr int kShownSlideWidth = 480;
// A touch that travels less than this (in logical pixels) is a tap.
constexpr qreal kSwipeMinDistance = 40;

// Runs `call` on the user-interface thread; the sound's end arrives from the audio thread.
void PostToUiThread(std::function<void()> call) {
  if (QCoreApplication* app = QCoreApplication::instance()) {
    QMetaObject::invokeMethod(app, std::move(call), Qt::QueuedConnection);
  }
}

}  // namespace

class SlidePrepForm::Clock : public RunnerClock {
 public:
  Clock() { clock_.start(); }
  int64_t NowMs() const override { return clock_.elapsed(); }

 private:
  QElapsedTimer clock_;  // monotonic
};

RunnerKey RunnerKeyFromQt(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return RunnerKey::Enter;
    case Qt::Key_Right:
      return RunnerKey::Right;
    case Qt::Key_Left:
      return RunnerKey::Left;
    case Qt::Key_Backspace:
      return RunnerKey::Backspace;
    case Qt::Key_Escape:
      return RunnerKey::Escape;
    case Qt::Key_P:
      return RunnerKey::P;
    case Qt::Key_Pause:
      return RunnerKey::Pause;
    case Qt::Key_F1:
      return RunnerKey::F1;
    // Presenter clickers.
    case Qt::Key_PageDown:
    case Qt::Key_Space:
      return RunnerKey::Right;
    case Qt::Key_PageUp:
      return RunnerKey::Backspace;
    case Qt::Key_B:
    case Qt::Key_Period:
      return RunnerKey::BlackScreen;
    case Qt::Key_W:
      return RunnerKey::WhiteScreen;
    // Media keys and remotes.
    case Qt::Key_MediaPlay:
    case Qt::Key_MediaPause:
    case Qt::Key_MediaTogglePlayPause:
      return RunnerKey::P;
    case Qt::Key_MediaNext:
      return RunnerKey::Right;
    case Qt::Key_MediaPrevious:
      return RunnerKey::Left;
    case Qt::Key_MediaStop:
      return RunnerKey::Escape;
    default:
      return RunnerKey::Other;
  }
}

SlidePrepForm::SlidePrepForm(const std::vector<SlideRecord>& slides, Prompts* prompts,
                             QWidget* parent, const ShowMusic& music)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      soundPlayer_(&PostToUiThread),
      showAudio_(music.Present() ? std::make_unique<ShowAudio>(music, &PostToUiThread) : nullptr),
      clock_(std::make_unique<Clock>()),
      runner_(slides, *this, advanceTimer_, *clock_,
              showAudio_ ? static_cast<MediaControl&>(*showAudio_) : soundPlayer_),
      prompts_(prompts) {
  setObjectName("SlidePrepForm");
  setWindowTitle(QApplication::applicationDisplayName());
  setFocusPolicy(Qt::StrongFocus);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);

  slideCanvas_ = new FxImage(this);
  slideCanvas_->setObjectName("SlideCanvas");
  slideCanvas_->setFocusPolicy(Qt::NoFocus);
  slideCanvas_->installEventFilter(this);
  slideCanvas_->setAttribute(Qt::WA_AcceptTouchEvents);
  layer_ = new MotionLayer(this);
  // The worker only posts here; the destructor ends it before this window goes.
  ahead_ = std::make_unique<MotionAhead>([this] {
    QMetaObject::invokeMethod(
        this, [this] { OnMotionArrived(); }, Qt::QueuedConnection);
  });

  // The presenter's blank screen, over the slide.
  blankCover_ = new QWidget(this);
  blankCover_->setObjectName("BlankCover");
  blankCover_->setAutoFillBackground(true);
  blankCover_->setFocusPolicy(Qt::NoFocus);
  blankCover_->installEventFilter(this);
  blankCover_->setAttribute(Qt::WA_AcceptTouchEvents);
  blankCover_->hide();

  endButton_ = new QPushButton(this);
  endButton_->setObjectName("Button1");
  endButton_->setFocusPolicy(Qt::NoFocus);
  endButton_->hide();
  connect(endButton_, &QPushButton::clicked, this, [this] { Finish(1); });

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setFocusPolicy(Qt::NoFocus);
  memo_->hide();

  soundPlayer_.OnNotify = [this] { runner_.OnSoundEnded(); };
  if (showAudio_) {
    showAudio_->OnNotify = [this] { runner_.OnSoundEnded(); };
    runner_.SetMusic(showAudio_.get());
  }

  SetShowScreen(QGuiApplication::primaryScreen());
}

SlidePrepForm::~SlidePrepForm() {
  ahead_.reset();
  presenter_.reset();
  mpris_.reset();
  runner_.OnWindowGone();
  ShowPointer();
  soundPlayer_.OnNotify = nullptr;
  if (showAudio_) showAudio_->OnNotify = nullptr;
}

void SlidePrepForm::SetShowScreen(QScreen* screen) {
  QRect area(0, 0, 1024, 768);
  if (screen) {
    setScreen(screen);
    area = screen->geometry();
  }
  setGeometry(area);
  slideCanvas_->setGeometry(0, 0, area.width(), area.height());
  layer_->setGeometry(slideCanvas_->geometry());
  blankCover_->setGeometry(0, 0, area.width(), area.height());
  NewSlideBitmap();
}

void SlidePrepForm::NewSlideBitmap() {
  // The screen's device pixels: on a HiDPI screen slides are composed and revealed sharp,
  // while their stored positions stay in the screen's logical pixels.
  slideBitmap_ = QImage(slideCanvas_->DeviceSize(), QImage::Format_RGB32);
  slideBitmap_.setDevicePixelRatio(slideCanvas_->devicePixelRatioF());
  slideBitmap_.fill(Qt::black);
}

void SlidePrepForm::SetTransitionPacing(double factor) {
  slideCanvas_->SetPacingFactor(factor);
  pacing_ = factor;
}

int SlidePrepForm::exec() {
  // Like a modal window: the program's other windows take no input meanwhile. A help
  // window opened from the show stays usable, and so do windows on another screen than
  // the show's (the designer beside a projector), whose commands wait for the show.
  HelpViewer* help = FindHelpViewer();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    const bool elsewhere = w->isVisible() && w->screen() != screen();
    if (w != this && w != help && w->isEnabled() && !w->isAncestorOf(this) && !elsewhere) {
      w->setEnabled(false);
      disabledWindows_.emplace_back(w);
    }
  }

  result_ = 0;
  running_ = true;
  showFullScreen();
  raise();
  activateWindow();
  setFocus(Qt::ActiveWindowFocusReason);
  if (running_ && mediaPlayerOnBus_) {
    mpris_ = std::make_unique<MprisService>(*this);
    if (mpris_->ServiceName().isEmpty()) mpris_.reset();  // no bus: said so, nothing to do
  }
  if (running_ && wantPresenter_) {
    if (QScreen* other = PresenterWindow::ScreenFor(screen(), presenterNear_.data())) {
      presenter_ = std::make_unique<PresenterWindow>(*this, other);
      // The show keeps the keyboard; a click makes the presenter's window the active one.
      presenter_->setAttribute(Qt::WA_ShowWithoutActivating);
      presenter_->show();
    }
  }
  if (running_) loop_.exec();
  presenter_.reset();
  mpris_.reset();

  for (const QPointer<QWidget>& w : disabledWindows_) {
    if (w) w->setEnabled(true);
  }
  disabledWindows_.clear();
  return result_;
}

void SlidePrepForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  OnFirstShow();
}

void SlidePrepForm::SetPresenterNear(const QWidget* designer) {
  wantPresenter_ = true;
  presenterNear_ = designer;
}

void SlidePrepForm::ShowStateChanged() {
  // Once a slide is on screen, the slide bitmap holds the next one (a moving one once
  // it has arrived).
  if (runner_.SlideReady() && !nextComposing_ && (mpris_ || presenter_)) {
    if (runner_.Ending()) {
      nextSlidePicture_ = QImage();
    } else {
      nextSlidePicture_ = slideBitmap_.scaledToWidth(kShownSlideWidth, Qt::SmoothTransformation);
      nextSlidePicture_.setDevicePixelRatio(1);
    }
  }
  emit StateChanged();
}

void SlidePrepForm::OnFirstShow() {
  if (started_) return;
  started_ = true;
  showClock_.start();
  HidePointer();
  // The show starts once the window is on screen and the event loop runs.
  QTimer::singleShot(0, this, [this] { runner_.StartShow(); });
}

void SlidePrepForm::OnKeyPress(const QKeyEvent& event) {
  const RunnerKey key = RunnerKeyFromQt(event.key());
  // A blank key held down would flicker the screen at the keyboard's repeat rate: it
  // covers or uncovers once per press. Held arrows keep stepping through the slides.
  if (event.isAutoRepeat() && (key == RunnerKey::BlackScreen || key == RunnerKey::WhiteScreen)) {
    return;
  }
  runner_.OnKeyPress(key, static_cast<unsigned>(event.modifiers()));
}

void SlidePrepForm::keyPressEvent(QKeyEvent* event) {
  OnKeyPress(*event);
  event->accept();
}

bool SlidePrepForm::event(QEvent* event) {
  // The media keys go to the pause message while it is up: Play/Pause there goes on.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (RunnerKeyFromQt(key->key()) != RunnerKey::Other) event->accept();
  }
  return QWidget::event(event);
}

bool SlidePrepForm::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == slideCanvas_ || watched == blankCover_) &&
      (event->type() == QEvent::TouchBegin || event->type() == QEvent::TouchUpdate ||
       event->type() == QEvent::TouchEnd || event->type() == QEvent::TouchCancel)) {
    return OnCanvasTouch(*static_cast<QTouchEvent*>(event));
  }
  if (pauseShowing_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_MediaPlay || key == Qt::Key_MediaTogglePlayPause) {
      ResumeFromPause();
      return true;
    }
  }
  if ((watched == slideCanvas_ || watched == blankCover_) &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    OnCanvasClick(*static_cast<QMouseEvent*>(event));
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void SlidePrepForm::OnCanvasClick(const QMouseEvent& event) {
  RunnerButton button = RunnerButton::Middle;
  if (event.button() == Qt::LeftButton) button = RunnerButton::Left;
  if (event.button() == Qt::RightButton) button = RunnerButton::Right;
  runner_.OnClick(button, static_cast<unsigned>(event.modifiers()));
}

bool SlidePrepForm::OnCanvasTouch(QTouchEvent& event) {
  if (event.points().isEmpty()) return true;
  const QPointF at = event.points().first().position();
  switch (event.type()) {
    case QEvent::TouchBegin:
      touchStart_ = at;
      break;
    case QEvent::TouchEnd: {
      const QPointF moved = at - touchStart_;
      if (std::abs(moved.x()) >= kSwipeMinDistance && std::abs(moved.x()) > std::abs(moved.y())) {
        runner_.OnKeyPress(moved.x() < 0 ? RunnerKey::Right : RunnerKey::Left);
      } else if (moved.manhattanLength() < kSwipeMinDistance) {
        runner_.OnClick(RunnerButton::Left);
      }
      break;
    }
    default:
      break;
  }
  event.accept();
  return true;
}

void SlidePrepForm::closeEvent(QCloseEvent* event) {
  // Closed by the system or the window manager: the show ends here, and the pointer
  // and the desktop come back as on the show's own end.
  runner_.OnWindowGone();
  ahead_->Drop();
  nextComposing_ = false;
  Finish(0);
  event->accept();
}

void SlidePrepForm::Finish(int result) {
  ShowPointer();
  if (!running_) return;
  running_ = false;
  result_ = result;
  hide();  // leaves full screen: the desktop's panels come back
  loop_.exit(result);
}

void SlidePrepForm::HidePointer() {
  pointerHidden_ = true;
  setCursor(Qt::BlankCursor);
  slideCanvas_->setCursor(Qt::BlankCursor);
}

void SlidePrepForm::ShowPointer() {
  pointerHidden_ = false;
  unsetCursor();
  if (slideCanvas_) slideCanvas_->unsetCursor();
}

void SlidePrepForm::ShowBlack() {
  NewSlideBitmap();
  slideCanvas_->SetEffect(0);
  slideCanvas_->SetBoxWidth(1);
  slideCanvas_->Canvas()->drawImage(0, 0, slideBitmap_);
  repaint();
  QCoreApplication::processEvents();
  QThread::msleep(kBlackScreenWaitMs);
}

void SlidePrepForm::ComposeSlide(const SlideRecord& slide) {
  nextSlide_ = slide;
  nextMotion_.Clear();
  // A moving picture is composed at its start framing, from a source decoded once, on the
  // worker thread: the picture on screen keeps moving meanwhile.
  if (slide.Motion.Present() && !slide.IsBlank()) {
    const size_t index = static_cast<size_t>(std::max(0, runner_.NextIndex()));
    ahead_->Want(slide, index, slideBitmap_.size(), slideBitmap_.devicePixelRatio());
    nextComposing_ = true;
    return;
  }
  ahead_->Drop();
  nextComposing_ = false;
  composer_.ComposeSlide(slide, slideBitmap_);
}

void SlidePrepForm::InstallNext(PreparedMotion made) {
  nextComposing_ = false;
  if (made.moving) {
    nextMotion_ = std::move(made.motion);
    slideBitmap_ = std::move(made.firstFrame);
  } else {
    composer_.ComposeSlide(nextSlide_, slideBitmap_);
  }
}

void SlidePrepForm::OnMotionArrived() {
  if (!nextComposing_) return;
  std::optional<PreparedMotion> made = ahead_->TakeReady();
  if (!made) return;  // no longer the one wanted
  InstallNext(std::move(*made));
  if (runner_.SlideReady()) ShowStateChanged();
}

void SlidePrepForm::FinishComposing() {
  if (nextComposing_) InstallNext(ahead_->TakeNow());
}

void SlidePrepForm::SyncCanvas(const QImage& image) {
  slideCanvas_->SetEffect(0);
  slideCanvas_->Canvas()->drawImage(0, 0, image);
  slideCanvas_->PlayPending();
}

void SlidePrepForm::PresentSlide(int effect, int boxWidth) {
  // The slide is wanted now: its moving picture is waited for if it has not arrived.
  FinishComposing();
  // What the layer shows now is what the next transition starts from.
  if (layer_->isVisible()) {
    layer_->Stop();
    SyncCanvas(layer_->Frame());
  }
  ++slidesPresented_;
  if (mpris_ || presenter_) {
    shownSlide_ = slideBitmap_.scaledToWidth(kShownSlideWidth, Qt::SmoothTransformation);
    shownSlide_.setDevicePixelRatio(1);
  }
  if (nextSlide_.Smooth != SmoothEffect::None) {
    layer_->PlaySmooth(nextSlide_.Smooth, slideCanvas_->ScreenImage(), slideBitmap_,
                       SmoothSeconds(boxWidth) * pacing_);
    SyncCanvas(slideBitmap_);
    QCoreApplication::processEvents();  // the input that came during it
  } else {
    layer_->hide();
    slideCanvas_->SetEffect(static_cast<uint8_t>(std::clamp(effect, 0, 255)));
    slideCanvas_->SetBoxWidth(static_cast<uint8_t>(std::clamp(boxWidth, 0, 255)));
    slideCanvas_->Canvas()->drawImage(0, 0, slideBitmap_);
    QCoreApplication::processEvents();  // the transition plays here
    QCoreApplication::processEvents();  // then the input that came during it
  }
  if (nextMotion_.Ready()) {
    std::optional<double> sound;
    if (nextSlide_.PlaySound && nextSlide_.DurationMode == DurationMode::SoundEnded) {
      sound = SoundFileSeconds(Cp1252ToUtf8(nextSlide_.SoundPath()));
    }
    layer_->StartMotion(std::move(nextMotion_), MotionSeconds(nextSlide_, sound));
    nextMotion_.Clear();
  } else {
    layer_->Stop();
    layer_->hide();
  }
  // The motion layer raises itself; a covered screen stays covered.
  if (blankCover_->isVisible()) blankCover_->raise();
}

void SlidePrepForm::ShowPauseMessage() {
  layer_->SetPaused(true);
  pauseShowing_ = true;
  emit StateChanged();
  // Media keys reach the message box, not this window: watch them for Play.
  qApp->installEventFilter(this);
  ShowPointer();
  // The program's own message boxes belong to the designer, which is hidden or behind
  // this window during a show: the pause message is this window's, centred on the show.
  if (prompts_ && !dynamic_cast<QtPrompts*>(prompts_)) {
    prompts_->Tell(kPausedText, QApplication::applicationDisplayName().toStdString(),
                   PromptIcon::None);
  } else {
    QtPrompts own(this);
    own.Tell(kPausedText, QApplication::applicationDisplayName().toStdString(), PromptIcon::None);
  }
  qApp->removeEventFilter(this);
  HidePointer();
  layer_->SetPaused(blankCover_->isVisible());
  pauseShowing_ = false;
  emit StateChanged();
}

void SlidePrepForm::ResumeFromPause() {
  if (!pauseShowing_) return;
  if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->accept();
}

void SlidePrepForm::BlankScreen(ScreenBlank blank) {
  // A covered screen holds the picture's motion with the slide's time.
  layer_->SetPaused(blank != ScreenBlank::None);
  if (blank == ScreenBlank::None) {
    blankCover_->hide();
    return;
  }
  QPalette cover = blankCover_->palette();
  cover.setColor(QPalette::Window, blank == ScreenBlank::Black ? Qt::black : Qt::white);
  blankCover_->setPalette(cover);
  blankCover_->show();
  blankCover_->raise();
  blankCover_->repaint();
}

void SlidePrepForm::ShowHelp() {
  lrw::ShowHelp(kHelpContext);
  if (HelpViewer* help = FindHelpViewer()) {
    help->raise();
    help->activateWindow();
  }
}

void SlidePrepForm::EndShow() {
  ahead_->Drop();
  nextComposing_ = false;
  layer_->Abandon();
  layer_->Stop();
  // The modal run ends once what is queued has been handled.
  QMetaObject::invokeMethod(endButton_, &QPushButton::click, Qt::QueuedConnection);
  ShowPointer();
}

}  // namespace lrw
