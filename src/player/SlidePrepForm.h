// The show runner window: frameless and full screen on the primary screen, the pointer
// hidden, one effect image control over the whole screen. It feeds the window's keys,
// clicks, timer ticks and sound notifications to ShowRunner and supplies what the runner
// draws with. Run it with exec(); it returns when the show has ended.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "document/ShowMusic.h"
#include "document/SlideRecord.h"
#include "player/MediaPlayer.h"
#include "player/MotionPicture.h"
#include "player/ShowAudio.h"
#include "player/ShowRunner.h"
#include "player/SlideComposer.h"

class QPlainTextEdit;
class QPushButton;

namespace lrw {

class Prompts;
class TFxImage;
class MotionLayer;

class TSlidePrepForm : public QWidget, private RunnerScreen {
  Q_OBJECT

 public:
  static constexpr const char* kPausedText = "Slide Show paused.";
  static constexpr int HelpContext = ShowRunner::kHelpContext;

  // `slides` is read, never copied, and must outlive the window. `prompts` answers the
  // pause message; when null or the program's own message boxes, the box is this window's.
  // With `music`, the slides' sounds and the music play through one mixed output
  // (ShowAudio) instead of MediaPlayer1.
  explicit TSlidePrepForm(const std::vector<SlideRecord>& slides, Prompts* prompts = nullptr,
                          QWidget* parent = nullptr, const ShowMusic& music = {});
  ~TSlidePrepForm() override;

  // The runner: set StartIndex and LoopShow before exec().
  ShowRunner& Runner() { return runner_; }

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

  // Controls, named as the window's design names them.
  TFxImage* SlideCanvas = nullptr;
  MediaPlayer MediaPlayer1;
  QTimer Timer1;
  QPushButton* Button1 = nullptr;   // hidden; a click ends the modal run with OK
  QPlainTextEdit* Memo1 = nullptr;  // hidden and unused

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Timer;
  class Clock;

  void FormCreate();
  void FormShow();
  // A black slide bitmap of the canvas's size in device pixels.
  void NewSlideBitmap();
  void SlideCanvasMouseDown(QMouseEvent* event);
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

  std::unique_ptr<ShowAudio> showAudio_;  // only for a show with music
  std::unique_ptr<Timer> timer_;
  std::unique_ptr<Clock> clock_;
  ShowRunner runner_;
  Prompts* prompts_;
  QImage slideBitmap_;
  SlideComposer composer_;
  // Shows `image` on the canvas at once, as the screen now looks.
  void SyncCanvas(const QImage& image);
  MotionLayer* layer_ = nullptr;
  TLoadPictureModule motionLoader_;
  MotionPicture nextMotion_;  // the composed slide's motion, when it has one
  SlideRecord nextSlide_;     // the composed slide
  double pacing_ = 1.0;
  QEventLoop loop_;
  bool running_ = false;
  bool started_ = false;
  bool pointerHidden_ = false;
  int result_ = 0;
  std::vector<QPointer<QWidget>> disabledWindows_;
};

// Maps a Qt key to the keys the runner knows.
RunnerKey RunnerKeyFromQt(int qtKey);

}  // namespace lrw
