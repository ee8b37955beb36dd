#include "arrange/SlideCaptionPreviewForm.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

#include "arrange/ArrangementHost.h"
#include "arrange/SlidePreviewBackgroundForm.h"
#include "platform/QtText.h"
#include "platform/SystemColors.h"
#include "player/CaptionFont.h"
#include "player/WrapCaption.h"

namespace lrw {

TSlideCaptionPreviewForm::TSlideCaptionPreviewForm(TSlidePreviewBackgroundForm& stage)
    : TPreviewForm(stage) {
  setObjectName(QStringLiteral("SlideCaptionPreviewForm"));
  HeightKeys = false;
  SetBoxLabel(tr("Caption"));
  resize(194, 117);
  EdittheCaption1 = PopupMenu1->addAction(tr("Edit the Caption"));
  MatchBackground1 = PopupMenu1->addAction(tr("&Match Background"));
  AddExitItems();
  connect(EdittheCaption1, &QAction::triggered, this, [this] { EdittheCaption1Click(); });
  connect(MatchBackground1, &QAction::triggered, this, [this] { MatchBackground1Click(); });
}

void TSlideCaptionPreviewForm::FitToText() {
  const QtTextMeasurer measurer(Stage.CaptionQFont());
  // A visible form fits itself again from the size change; a hidden one gets no
  // resize events until it is shown, so the loop finishes the fitting either way.
  for (int round = 0; round < 4; ++round) {
    int w = ClientWidth();
    WrapCaption(Stage.CaptionText, measurer, WrappedLines, w);
    if (ClientWidth() != w) {
      SetClientWidth(w);
      continue;
    }
    const int h = static_cast<int>(WrappedLines.size()) * measurer.TextHeight();
    if (h == ClientHeight()) {
      update();
      return;
    }
    SetClientHeight(h);
  }
}

void TSlideCaptionPreviewForm::EdittheCaption1Click() {
  if (Stage.Host().EditCaption(Stage.CaptionText, Stage.CaptionFont, Stage.CaptionBack, this))
    FitToText();
}

void TSlideCaptionPreviewForm::MatchBackground1Click() {
  Stage.CaptionBack = Stage.WindowColor();
  update();
  Stage.SaveOnClose = true;
}

void TSlideCaptionPreviewForm::PaintClient(QPainter& painter) {
  painter.fillRect(QRect(QPoint(0, 0), ClientRect().size()), ColorFromRecord(Stage.CaptionBack));
  const QFont font = Stage.CaptionQFont();
  const QtTextMeasurer measurer(font);
  const int ascent = measurer.Metrics().ascent();
  painter.setFont(font);
  painter.setPen(ColorFromRecord(Stage.CaptionFont.Color));
  int y = 0;
  for (const std::string& line : WrappedLines) {
    painter.drawText(QPoint(0, y + ascent), FromCp1252(line));
    y += measurer.TextHeight();
  }
}

void TSlideCaptionPreviewForm::resizeEvent(QResizeEvent* event) {
  TPreviewForm::resizeEvent(event);
  FitToText();
}

}  // namespace lrw
