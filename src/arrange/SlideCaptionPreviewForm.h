// The caption's placement form on the arrangement stage: the caption broken at the
// form's width in its font on its background. The width is the user's; the height
// always follows the text.
#pragma once

#include <string>
#include <vector>

#include "arrange/PreviewForm.h"

class QAction;

namespace lrw {

class SlideCaptionPreviewForm : public PreviewForm {
  Q_OBJECT

 public:
  explicit SlideCaptionPreviewForm(SlidePreviewBackgroundForm& stage);

  // The caption broken at the client width, as shown.
  const std::vector<std::string>& WrappedLines() const { return wrappedLines_; }

  // The popup menu's commands.
  void EditCaption();
  void MatchBackground();
  // Breaks the caption at the client width and makes the form fit the text.
  void FitToText();

 protected:
  void PaintClient(QPainter& painter) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::vector<std::string> wrappedLines_;
};

}  // namespace lrw
