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
namespace {
// The size the form was designed at; the stage replaces it when it opens the form.
constexpr int kDesignWidth = 194;
constexpr int kDesignHeight = 117;
}  // namespace

SlideCaptionPreviewForm::SlideCaptionPreviewForm(SlidePreviewBackgroundForm& stage)
    : PreviewForm(stage) {
  setObjectName(QStringLiteral("SlideCaptionPreviewForm"));
  heightKeys_ = false;
  SetBoxLabel(tr("Caption"));
  resize(kDesignWidth, kDesignHeight);
  connect(AddMenuItem(QStringLiteral("EdittheCaption1"), tr("Edit the Caption")),
          &QAction::triggered, this, [this] { EditCaption(); });
  connect(AddMenuItem(QStringLiteral("MatchBackground1"), tr("&Match Background")),
          &QAction::triggered, this, [this] { MatchBackground(); });
  AddExitItems();
}

void SlideCaptionPreviewForm::FitToText() {
  const QtTextMeasurer measurer(stage_.CaptionQFont());
  // A visible form fits itself again from the size change; a hidden one gets no
  // resize events until it is shown, so the loop finishes the fitting either way.
  for (int round = 0; round < 4; ++round) {
    int w = ClientWidth();
    WrapCaption(stage_.CaptionText(), measurer, wrappedLines_, w);
    if (ClientWidth() != w) {
      SetClientWidth(w);
      continue;
    }
    const int h = static_cast<int>(wrappedLines_.size()) * measurer.TextHeight();
    if (h == ClientHeight()) {
      update();
      return;
    }
    SetClientHeight(h);
  }
}

void SlideCaptionPreviewForm::EditCaption() {
  if (stage_.EditCaption(this)) FitToText();
}

void SlideCaptionPreviewForm::MatchBackground() {
  stage_.SetCaptionBack(stage_.WindowColor());
  update();
}

void SlideCaptionPreviewForm::PaintClient(QPainter& painter) {
  painter.fillRect(QRect(QPoint(0, 0), ClientRect().size()), ColorFromRecord(stage_.CaptionBack()));
  const QFont font = stage_.CaptionQFont();
  const QtTextMeasurer measurer(font);
  const int ascent = measurer.Metrics().ascent();
  painter.setFont(font);
  painter.setPen(ColorFromRecord(stage_.CaptionFont().Color));
  int y = 0;
  for (const std::string& line : wrappedLines_) {
    painter.drawText(QPoint(0, y + ascent), FromCp1252(line));
    y += measurer.TextHeight();
  }
}

void SlideCaptionPreviewForm::resizeEvent(QResizeEvent* event) {
  PreviewForm::resizeEvent(event);
  FitToText();
}

}  // namespace lrw
