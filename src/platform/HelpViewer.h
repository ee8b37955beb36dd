// The program's help: HTML pages shipped as resources, one per help context,
// shown in a help window of our own.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace lrw {

// Help contexts of the windows that offer F1.
inline constexpr int kHelpContents = 0;
inline constexpr int kHelpDesigner = 1;
inline constexpr int kHelpCaptionEditor = 2003;
inline constexpr int kHelpShowPlayer = 2009;
inline constexpr int kHelpArrangementStage = 2012;

// The page of a context ("qrc:/help/....html"); unknown contexts give the contents.
QString HelpPageFor(int context);

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  void ShowTopic(int context);
  QTextBrowser* Browser() const { return browser_; }
  // The page on show, as a qrc URL string.
  QString CurrentPage() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void UpdateButtons();
  void ApplyPaletteColors();

  QTextBrowser* browser_ = nullptr;
  QToolButton* contents_ = nullptr;
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
};

// Opens the help window (one for the whole program, made on first use) at the
// topic of `context`; 0 or a negative context shows the contents.
void ShowHelp(int context);

// The open help window, or null.
HelpViewer* FindHelpViewer();

// Makes F1 in `window` (and its child widgets) open the help at `context`.
void InstallHelpKey(QWidget* window, int context);

}  // namespace lrw
