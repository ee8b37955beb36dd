// The About box of the Help menu: the product name, the version and two short texts.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lrw {

class AboutForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 298;
  static constexpr int kClientHeight = 383;

  explicit AboutForm(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Controls; their object names are those of the window's design.
  QFrame* panel_ = nullptr;              // "Panel1"
  QLabel* productName_ = nullptr;        // "ProductName"
  QLabel* version_ = nullptr;            // "lblCurrent_Release"
  QPlainTextEdit* comments_ = nullptr;   // "Comments", with a vertical scroll bar
  QPlainTextEdit* copyright_ = nullptr;  // "Copyright"
  QPushButton* okButton_ = nullptr;      // "OKButton"
};

// Creates the About box, shows it modally and frees it.
void ShowAboutBox(QWidget* parent);

}  // namespace lrw
