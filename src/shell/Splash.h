// The splash window shown while the program starts: the logo and the version,
// closed by its timer after 5 seconds, or earlier by a click or the Space key.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QFrame;
class QLabel;

namespace lrw {

// The splash's timer, replaceable so that tests decide when it fires.
class SplashTimer {
 public:
  virtual ~SplashTimer() = default;
  virtual void SetInterval(int ms) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  virtual int Interval() const = 0;
  // Called on the user-interface thread when the interval has passed.
  std::function<void()> OnTimer;
};

class TSplashForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 363;
  static constexpr int kClientHeight = 220;
  static constexpr int kCloseAfterMs = 5000;

  // `timer` defaults to a QTimer; `processMessages` (run once while showing)
  // defaults to QCoreApplication::processEvents.
  explicit TSplashForm(std::unique_ptr<SplashTimer> timer = nullptr,
                       std::function<void()> processMessages = nullptr, QWidget* parent = nullptr);
  ~TSplashForm() override;

  void FormShow();
  // The one closing request: the timer, clicks on the panels and the version
  // label, and (once Ready) a mouse press on the form or the Space key.
  void Timer1Timer();

  bool Ready() const { return ready_; }
  bool Fired() const { return fired_; }
  SplashTimer& Timer1() { return *timer_; }

  QFrame* Panel1 = nullptr;
  QFrame* Panel2 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* lblCurrent_Release = nullptr;
  QLabel* lblWorking = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RestoreCursor();

  std::unique_ptr<SplashTimer> timer_;
  std::function<void()> processMessages_;
  bool ready_ = false;
  bool fired_ = false;
  bool closing_ = false;
  bool cursorSet_ = false;
};

// Start-up's splash: disables `disabledOwner` (may be null), shows the splash
// modally until it closes, frees it and enables the owner again.
void RunSplash(QWidget* disabledOwner);

}  // namespace lrw
