// The presenter's own view of a running show, on another screen than the show's: the
// slide on screen and the next one, the slide's number, the time since the show began and
// the time left of a timed slide, with buttons (and the show's keys) to go back, pause and
// go forward.
#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class QScreen;

namespace lrw {

class SlidePrepForm;

class PresenterWindow : public QWidget {
  Q_OBJECT

 public:
  PresenterWindow(SlidePrepForm& show, QScreen* screen);

  // The screen for the presenter: the designer's when it is visible on another screen
  // than the show's, else any other screen; none with a single screen.
  static QScreen* ScreenFor(const QScreen* showScreen, const QWidget* designer);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Refresh();
  void RefreshClock();

  SlidePrepForm& show_;
  // Controls; their object names are the capitalised member names, for tests and
  // assistive technology.
  QLabel* current_ = nullptr;
  QLabel* next_ = nullptr;
  QLabel* number_ = nullptr;
  QLabel* elapsed_ = nullptr;
  QLabel* timeLeft_ = nullptr;
  QPushButton* backButton_ = nullptr;
  QPushButton* pauseButton_ = nullptr;
  QPushButton* forwardButton_ = nullptr;
  QTimer clock_;
};

}  // namespace lrw
