// A check box that can show a third, grayed state for a mixed selection but that
// the user only toggles between checked and unchecked; a click on the grayed box
// checks it.
#pragma once

#include <QCheckBox>

namespace lrw {

class GrayableCheckBox : public QCheckBox {
 public:
  explicit GrayableCheckBox(const QString& text, QWidget* parent = nullptr)
      : QCheckBox(text, parent) {
    setTristate(true);
  }

 protected:
  void nextCheckState() override {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  }
};

}  // namespace lrw
