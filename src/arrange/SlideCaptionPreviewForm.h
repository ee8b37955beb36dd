// The caption's placement window on the arrangement stage: the caption broken at the
// window's width in its font on its background. The width is the user's; the height
// always follows the text.
#pragma once

#include <string>
#include <vector>

#include "arrange/PreviewForm.h"

class QAction;

namespace lrw {

struct SlideRecord;

class TSlideCaptionPreviewForm : public TPreviewForm {
  Q_OBJECT

 public:
  TSlideCaptionPreviewForm(TSlidePreviewBackgroundForm* stage, QWidget* parent);

  std::vector<std::string> WrappedLines;
  SlideRecord* Slide = nullptr;

  QAction* EdittheCaption1 = nullptr;
  QAction* MatchBackground1 = nullptr;

  void EdittheCaption1Click();
  void MatchBackground1Click();
  // Breaks the caption at the client width and makes the window fit the text.
  void FitToText();

 protected:
  void PaintClient(QPainter& painter) override;
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace lrw
