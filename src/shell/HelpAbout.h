// The About box of the Help menu: the product name, the version and two short texts.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lrw {

class TAboutForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 298;
  static constexpr int kClientHeight = 383;

  explicit TAboutForm(QWidget* parent = nullptr);

  QFrame* Panel1 = nullptr;
  QLabel* ProductName = nullptr;
  QLabel* lblCurrent_Release = nullptr;
  QPlainTextEdit* Comments = nullptr;  // with a vertical scroll bar
  QPlainTextEdit* Copyright = nullptr;
  QPushButton* OKButton = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
};

// Creates the About box, shows it modally and frees it.
void ShowAboutBox(QWidget* parent);

}  // namespace lrw
