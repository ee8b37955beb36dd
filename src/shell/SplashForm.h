// The splash window shown while the program starts: the logo and the version,
// closed by its timer after 5 seconds, or earlier by a click or the Space key.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "base/IntervalTimer.h"

class QFrame;
class QLabel;

namespace lrw {

class SplashForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 363;
  static constexpr int kClientHeight = 220;
  static constexpr int kCloseAfterMs = 5000;

  // `timer` defaults to a QTimer; `processMessages` (run once while showing)
  // defaults to QCoreApplication::processEvents.
  explicit SplashForm(std::unique_ptr<IntervalTimer> timer = nullptr,
                      std::function<void()> processMessages = nullptr, QWidget* parent = nullptr);
  ~SplashForm() override;

  // The one closing request: the timer, clicks on the panels and the version
  // label, and (once Ready) a mouse press on the form or the Space key.
  void RequestClose();

  bool Ready() const { return ready_; }
  bool Fired() const { return fired_; }
  IntervalTimer& CloseTimer() { return *timer_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The window is being shown: the status line, the wait cursor and the timer.
  void OnShown();
  void RestoreCursor();

  // Controls; their object names are those of the window's design.
  QFrame* outerPanel_ = nullptr;  // "Panel1"
  QFrame* innerPanel_ = nullptr;  // "Panel2"
  QLabel* logo_ = nullptr;        // "Image1"
  QLabel* version_ = nullptr;     // "lblCurrent_Release"
  QLabel* status_ = nullptr;      // "lblWorking"
  std::unique_ptr<IntervalTimer> timer_;
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
