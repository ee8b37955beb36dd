// The show runner window: frameless and full screen on the chosen screen (the primary one
// unless told), the pointer hidden, one effect image control over the whole screen. It
// feeds the window's keys, clicks, touches, timer ticks and sound notifications to
// ShowRunner and supplies what the runner draws with. While it runs it is also a media
// player on the session bus. Run it with exec(); it returns when the show has ended.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "document/ShowMusic.h"
#include "document/SlideRecord.h"
#include "platform/QtIntervalTimer.h"
#include "player/MediaPlayer.h"
#include "player/MotionAhead.h"
#include "player/MotionPicture.h"
#include "player/ShowAudio.h"
#include "player/ShowRunner.h"
#include "player/SlideComposer.h"

class QPlainTextEdit;
class QPushButton;
class QScreen;
class QTouchEvent;

namespace lrw {

class MprisService;
class PresenterWindow;
class Prompts;
class FxImage;
class MotionLayer;

class SlidePrepForm : public QWidget, private RunnerScreen {
  Q_OBJECT

 public:
  static constexpr const char* kPausedText =
      QT_TRANSLATE_NOOP("lrw::Messages", "Slide Show paused.");
  static constexpr int kHelpContext = ShowRunner::kHelpContext;

  // `slides` is read, never copied, and must outlive the window. `prompts` answers the
  // pause message; when null or the program's own message boxes, the box is this window's.
  // With `music`, the slides' sounds and the music play through one mixed output
  // (ShowAudio) instead of the slide sound player.
  explicit SlidePrepForm(const std::vector<SlideRecord>& slides, Prompts* prompts = nullptr,
                         QWidget* parent = nullptr, const ShowMusic& music = {});
  ~SlidePrepForm() override;

  // The runner: set its start, loop and shuffle before exec().
  ShowRunner& Runner() { return runner_; }
  const ShowRunner& Runner() const { return runner_; }

  // The show's keys, from this window or the presenter's.
  void OnKeyPress(const QKeyEvent& event);

  // Shows the window full screen and runs until the show ends (1) or the window is
  // closed by other means (0). Other windows of the program take no input meanwhile.
  int exec();

  // The slide bitmap: the next slide, composed off screen in device pixels.
  const QImage& SlideBitmap() const { return slideBitmap_; }
  SlideComposer& Composer() { return composer_; }
  // The layer that draws smooth transitions and motion over the canvas.
  MotionLayer* Layer() const { return layer_; }
  bool PointerHidden() const { return pointerHidden_; }
  // Speeds transitions up or down (1 is the designed speed; tests use 0).
  void SetTransitionPacing(double factor);

  // The screen the show fills, set before exec(); the primary screen by default.
  void SetShowScreen(QScreen* screen);
  // The show's name for the desktop's media controls.
  void SetShowName(const QString& name) { showName_ = name; }
  const QString& ShowName() const { return showName_; }
  // Whether the show offers itself on the session bus while it runs (on by default).
  void SetMediaPlayerOnBus(bool on) { mediaPlayerOnBus_ = on; }
  // The pause message is up.
  bool Paused() const { return pauseShowing_; }
  // Closes the pause message, so the show goes on, as a media player's Play does.
  void ResumeFromPause();
  // Small pictures of the slide on screen and of the next one (none after the last), for
  // the presenter and the desktop's media controls.
  const QImage& ShownSlidePicture() const { return shownSlide_; }
  const QImage& NextSlidePicture() const { return nextSlidePicture_; }
  // Milliseconds since the show began.
  int64_t ElapsedMs() const { return showClock_.isValid() ? showClock_.elapsed() : 0; }
  // With another screen than the show's: the presenter's window there (before exec()).
  // `designer` is the window whose screen it prefers.
  void SetPresenterNear(const QWidget* designer);
  PresenterWindow* Presenter() const { return presenter_.get(); }
  // How many slides have been brought on screen so far.
  int SlidesPresented() const { return slidesPresented_; }
  // The effect image control the slides are revealed on.
  FxImage* Canvas() const { return slideCanvas_; }
  // The runner's timer, running while a slide counts down its time.
  bool AdvanceTimerActive() const { return advanceTimer_.Enabled(); }
  // The next slide's moving picture is being prepared on the worker thread; the slide
  // bitmap holds it once this is false.
  bool NextSlideComposing() const { return nextComposing_; }

 signals:
  // A slide came fully on screen, the screen was blanked or uncovered, or the pause
  // message came or went.
  void StateChanged();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  class Clock;

  // The window is on screen for the first time: the show starts.
  void OnFirstShow();
  // A black slide bitmap of the canvas's size in device pixels.
  void NewSlideBitmap();
  void OnCanvasClick(const QMouseEvent& event);
  // A swipe goes forward (to the left) or back (to the right); a tap goes forward.
  bool OnCanvasTouch(QTouchEvent& event);
  void Finish(int result);
  void HidePointer();
  void ShowPointer();

  // RunnerScreen
  void ShowBlack() override;
  void ComposeSlide(const SlideRecord& slide) override;
  void PresentSlide(int effect, int boxWidth) override;
  void ShowPauseMessage() override;
  void ShowHelp() override;
  void EndShow() override;
  void BlankScreen(ScreenBlank blank) override;
  void ShowStateChanged() override;

  // Controls; their object names are those of the window's design.
  FxImage* slideCanvas_ = nullptr;    // "SlideCanvas"
  QPushButton* endButton_ = nullptr;  // "Button1", hidden; a click ends the modal run with OK
  QPlainTextEdit* memo_ = nullptr;    // "Memo1", hidden and unused
  MediaPlayer soundPlayer_;           // the slides' sounds in a show without music
  QtIntervalTimer advanceTimer_{Qt::PreciseTimer};
  std::unique_ptr<ShowAudio> showAudio_;  // only for a show with music
  std::unique_ptr<Clock> clock_;
  ShowRunner runner_;
  Prompts* prompts_;
  QImage slideBitmap_;
  SlideComposer composer_;
  // Shows `image` on the canvas at once, as the screen now looks.
  void SyncCanvas(const QImage& image);
  // The moving picture prepared ahead has arrived on this thread.
  void OnMotionArrived();
  // The next slide is in the slide bitmap, waiting for its moving picture if need be.
  void FinishComposing();
  void InstallNext(PreparedMotion made);
  MotionLayer* layer_ = nullptr;
  MotionPicture nextMotion_;  // the composed slide's motion, when it has one
  SlideRecord nextSlide_;     // the composed slide
  std::unique_ptr<MotionAhead> ahead_;
  bool nextComposing_ = false;  // the next moving picture is on its way from ahead_
  double pacing_ = 1.0;
  QEventLoop loop_;
  bool running_ = false;
  bool started_ = false;
  bool pointerHidden_ = false;
  int result_ = 0;
  std::vector<QPointer<QWidget>> disabledWindows_;
  QWidget* blankCover_ = nullptr;
  QPointF touchStart_;
  QString showName_;
  bool mediaPlayerOnBus_ = true;
  bool pauseShowing_ = false;
  QImage shownSlide_;
  QImage nextSlidePicture_;
  QElapsedTimer showClock_;
  bool wantPresenter_ = false;
  QPointer<const QWidget> presenterNear_;
  std::unique_ptr<PresenterWindow> presenter_;
  int slidesPresented_ = 0;
  std::unique_ptr<MprisService> mpris_;
};

// Maps a Qt key to the keys the runner knows.
RunnerKey RunnerKeyFromQt(int qtKey);

}  // namespace lrw
