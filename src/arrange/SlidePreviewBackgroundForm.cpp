#include "arrange/SlidePreviewBackgroundForm.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>

#include "arrange/ArrangementHost.h"
#include "arrange/ArrangementWriteBack.h"
#include "arrange/SlideCaptionPreviewForm.h"
#include "arrange/SlidePreviewForm.h"
#include "document/Cp1252.h"
#include "import/LoadPicture.h"
#include "platform/HelpViewer.h"
#include "platform/QtBitmap.h"
#include "platform/QtPrompts.h"
#include "platform/SystemColors.h"
#include "player/CaptionFont.h"

namespace lrw {

namespace {
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBandBlue = 0xFF0000;  // a record colour: blue

}  // namespace

const char* const TSlidePreviewBackgroundForm::kHelpLine1 =
    "   Alt+F4=Save Changes    Shift+F10=Menu    Esc=Cancel    F1=Help";
const char* const TSlidePreviewBackgroundForm::kHelpLine2 =
    "   Drag borders to resize windows    Drag windows to reposition    F6=Switch Windows";

TSlidePreviewBackgroundForm::TSlidePreviewBackgroundForm(ArrangementHost& host)
    : QWidget(nullptr, Qt::FramelessWindowHint), host_(host) {
  setObjectName(QStringLiteral("SlidePreviewBackgroundForm"));
  setWindowTitle(QStringLiteral("Lanternreelworks!"));
  setFont(MakeCaptionFont("Courier New", 8, 0));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(tr("Slide arrangement"));
  setAccessibleDescription(
      tr("Shift+F10 opens the menu, F6 goes to the picture or caption box, "
         "Esc leaves without saving, Alt+F4 saves and leaves"));

  PopupMenu1 = new QMenu(this);
  Changebackgroundcolor1 = PopupMenu1->addAction(tr("Change background color"));
  AddaCaption1 = PopupMenu1->addAction(tr("&Add a Caption"));
  PopupMenu1->addSeparator();
  ExitandSave1 = PopupMenu1->addAction(tr("Exit and &Save"));
  ExitWithoutSaving1 = PopupMenu1->addAction(tr("Exit &Without Saving"));
  connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { AddaCaption1->setEnabled(!HasCaption); });
  connect(Changebackgroundcolor1, &QAction::triggered, this,
          [this] { Changebackgroundcolor1Click(); });
  connect(AddaCaption1, &QAction::triggered, this, [this] { AddaCaption1Click(); });
  connect(ExitandSave1, &QAction::triggered, this, [this] { close(); });
  connect(ExitWithoutSaving1, &QAction::triggered, this,
          [this] { FormKeyDown(Qt::Key_Escape, Qt::NoModifier); });
}

TSlidePreviewBackgroundForm::~TSlidePreviewBackgroundForm() {
  if (!closed_) {
    closed_ = true;
    host_.ArrangementFinished(std::nullopt);
  }
}

QSize TSlidePreviewBackgroundForm::ScreenSize() const {
  return host_.ScreenSize();
}

QFont TSlidePreviewBackgroundForm::CaptionQFont() const {
  return MakeCaptionFont(CaptionFont.Name, CaptionFont.Size, CaptionFont.Style);
}

void TSlidePreviewBackgroundForm::SetWindowColor(uint32_t color) {
  windowColor_ = color;
  update();
}

bool TSlidePreviewBackgroundForm::Open() {
  const SlideRecord* found = host_.ArrangedSlide();
  if (!found) return false;
  // What the forms open on; the show's own record is looked up again when it is needed.
  const SlideRecord slide = *found;
  // FormShow
  SetWindowColor(slide.BackgroundColor);
  Centered = slide.CenterImage != 0;
  HasCaption = slide.ShowCaption != 0;
  // The stage's own coordinates are the stored screen coordinates: it covers the
  // primary screen from its origin.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
  setGeometry(QRect(origin, ScreenSize()));
  showFullScreen();
  raise();
  activateWindow();
  OpenImageWindow(slide);
  LoadCaption(slide);
  return true;
}

void TSlidePreviewBackgroundForm::OpenImageWindow(const SlideRecord& slide) {
  if (slide.PictureName.empty()) return;
  // Decoded large enough for the screen's device pixels, no larger: a photo of many
  // megapixels is read at a reduced scale, as the show reads it.
  const qreal ratio = devicePixelRatioF();
  const QSize screen = ScreenSize();
  const LoadPictureResult loaded = host_.PictureLoader().LoadPictureForSize(
      Cp1252ToUtf8(slide.PicturePath()), static_cast<int>(screen.width() * ratio),
      static_cast<int>(screen.height() * ratio));
  LoadedPicture = loaded ? ImageFromBitmap(loaded->bitmap) : QImage();
  PictureSize = loaded ? QSize(loaded->fullWidth, loaded->fullHeight) : QSize();
  if (StatusOf(loaded) == LoadStatus::LoadFailed) {
    Prompts& prompts = host_.UserPrompts();
    prompts.Beep(BeepKind::Error);
    if (dynamic_cast<QtPrompts*>(&prompts)) {
      // The program's message boxes belong to the designer, and one would lift the
      // designer over the stage: this box is the stage's, shown on top of it.
      QtPrompts own(this);
      own.Tell(loaded.error().message, "Error", PromptIcon::Error);
    } else {
      prompts.Tell(loaded.error().message, "Error", PromptIcon::Error);
    }
  }

  auto* form = new TSlidePreviewForm(*this);
  imageWindow_ = form;
  ImageFrameWidth = (form->width() - form->ClientWidth()) / 2;
  // The client area, not the frame, lands on the stored box, wherever that is: a box
  // larger than the screen stays as it is.
  form->SetBounds({slide.ImageLeft - ImageFrameWidth, slide.ImageTop - ImageFrameWidth,
                   slide.ImageWidth + 2 * ImageFrameWidth,
                   slide.ImageHeight + 2 * ImageFrameWidth});
  form->Image1 = LoadedPicture;
  form->LastLeft = form->x();
  form->LastTop = form->y();
  form->show();
  form->Activate();
  SaveOnClose = true;
}

void TSlidePreviewBackgroundForm::LoadCaption(const SlideRecord& slide) {
  if (!HasCaption) return;
  CaptionFont = CaptionFontRecord::Of(slide);
  CaptionText = slide.Caption;
  CaptionBack = slide.CaptionBackColor;
  OpenCaptionWindow(slide.CaptionWidth, slide.CaptionLeft, slide.CaptionTop);
  SaveOnClose = true;
}

void TSlidePreviewBackgroundForm::OpenCaptionWindow(int16_t clientWidth, int16_t left,
                                                    int16_t top) {
  auto* form = new TSlideCaptionPreviewForm(*this);
  captionWindow_ = form;
  form->SetClientWidth(clientWidth);
  // The outer corner, unlike the picture form's client corner.
  form->move(left, top);
  form->FitToText();
  form->show();
  form->Activate();
}

void TSlidePreviewBackgroundForm::Changebackgroundcolor1Click() {
  const uint32_t chosen = host_.ChangeBackground(windowColor_, this);
  if (chosen == windowColor_) return;
  SetWindowColor(chosen);
  SaveOnClose = true;
}

void TSlidePreviewBackgroundForm::AddaCaption1Click() {
  if (HasCaption) return;
  // A new caption starts in the designer's font on white.
  CaptionFont = host_.DesignerFont();
  CaptionBack = kWhite;
  if (!host_.EditCaption(CaptionText, CaptionFont, CaptionBack, this)) return;
  HasCaption = true;
  // The box the slide keeps for its caption, even while it shows none.
  const SlideRecord* slide = host_.ArrangedSlide();
  if (slide)
    OpenCaptionWindow(slide->CaptionWidth, slide->CaptionLeft, slide->CaptionTop);
  else
    OpenCaptionWindow(0, 0, 0);
  SaveOnClose = true;
}

void TSlidePreviewBackgroundForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers held =
      modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key == Qt::Key_Escape) {
    SaveOnClose = false;
    FormClose();
  } else if (key == Qt::Key_F10 && held == Qt::ShiftModifier) {
    PopupMenu1->popup(mapToGlobal(QPoint(10, 10)));
  } else if (key == Qt::Key_F1) {
    // A key of the stage, not a shortcut: it works before the window is active too.
    ShowHelp(kHelpArrangementStage);
  } else if (key == Qt::Key_F6) {
    if (imageWindow_)
      imageWindow_->Activate();
    else if (captionWindow_)
      captionWindow_->Activate();
  } else if (key == Qt::Key_F4 && held == Qt::AltModifier) {
    // Desktops without a window manager that closes on Alt+F4 still get the close.
    close();
  }
}

void TSlidePreviewBackgroundForm::SwitchWindows(TPreviewForm* from) {
  TPreviewForm* image = imageWindow_.data();
  TPreviewForm* caption = captionWindow_.data();
  if (from == caption && image)
    image->Activate();
  else if (from == image && caption)
    caption->Activate();
}

void TSlidePreviewBackgroundForm::PlacementActivated(TPreviewForm* form) {
  if (imageWindow_) imageWindow_->SetFrameActive(imageWindow_ == form);
  if (captionWindow_) captionWindow_->SetFrameActive(captionWindow_ == form);
}

void TSlidePreviewBackgroundForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ColorFromRecord(windowColor_));
  painter.setFont(font());
  const QFontMetrics metrics(font());
  const int h = metrics.height();
  const int screenHeight = height();
  painter.fillRect(QRect(0, screenHeight - 2 * h, width(), 2 * h), ColorFromRecord(kBandBlue));
  painter.setPen(Qt::white);
  painter.drawText(QPoint(0, screenHeight - 2 * h + metrics.ascent()),
                   QString::fromLatin1(kHelpLine1));
  painter.drawText(QPoint(0, screenHeight - h + metrics.ascent()), QString::fromLatin1(kHelpLine2));
}

void TSlidePreviewBackgroundForm::keyPressEvent(QKeyEvent* event) {
  FormKeyDown(event->key(), event->modifiers());
  event->accept();
}

void TSlidePreviewBackgroundForm::contextMenuEvent(QContextMenuEvent* event) {
  PopupMenu1->popup(event->globalPos());
}

void TSlidePreviewBackgroundForm::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!closed_) FormClose();
}

std::optional<SlideRecord> TSlidePreviewBackgroundForm::ArrangedSlide() const {
  const SlideRecord* now = host_.ArrangedSlide();
  if (!now || !SaveOnClose) return std::nullopt;
  SlideRecord slide = *now;
  ArrangementOutcome outcome;
  outcome.saveOnClose = SaveOnClose;
  // The forms' geometry is the stage's own doing, never a window manager's.
  if (const TSlidePreviewForm* image = imageWindow_.data()) {
    outcome.imageClientLeft = image->x() + ImageFrameWidth;
    outcome.imageClientTop = image->y() + ImageFrameWidth;
    outcome.imageClientWidth = image->ClientWidth();
    outcome.imageClientHeight = image->ClientHeight();
  } else {
    outcome.imageClientLeft = slide.ImageLeft;
    outcome.imageClientTop = slide.ImageTop;
    outcome.imageClientWidth = slide.ImageWidth;
    outcome.imageClientHeight = slide.ImageHeight;
  }
  outcome.centered = Centered;
  outcome.hasCaption = HasCaption;
  outcome.captionText = CaptionText;
  outcome.captionFontName = CaptionFont.Name;
  outcome.captionFontSize = CaptionFont.Size;
  outcome.captionFontStyle = CaptionFont.Style;
  outcome.captionFontColor = CaptionFont.Color;
  outcome.captionBackColor = CaptionBack;
  if (const TSlideCaptionPreviewForm* caption = captionWindow_.data()) {
    outcome.captionWindowLeft = caption->x();
    outcome.captionWindowTop = caption->y();
    outcome.captionClientWidth = caption->ClientWidth();
  } else {
    outcome.captionWindowLeft = slide.CaptionLeft;
    outcome.captionWindowTop = slide.CaptionTop;
    outcome.captionClientWidth = slide.CaptionWidth;
  }
  outcome.backgroundColor = windowColor_;
  const QtTextMeasurer measurer(CaptionQFont());
  if (!WriteArrangement(slide, outcome, measurer)) return std::nullopt;
  return slide;
}

void TSlidePreviewBackgroundForm::FormClose() {
  if (closed_) return;
  closed_ = true;
  std::optional<SlideRecord> arranged = ArrangedSlide();
  for (QWidget* form :
       {static_cast<QWidget*>(imageWindow_.data()), static_cast<QWidget*>(captionWindow_.data())}) {
    if (!form) continue;
    form->hide();
    form->deleteLater();
  }
  imageWindow_ = nullptr;
  captionWindow_ = nullptr;
  hide();
  // Released after the current event, which may still be running in this window.
  deleteLater();
  // Last: the host may end its part of the arrangement here, itself included.
  host_.ArrangementFinished(std::move(arranged));
}

TSlidePreviewBackgroundForm* OpenArrangementStage(ArrangementHost& host) {
  auto* stage = new TSlidePreviewBackgroundForm(host);
  if (!stage->Open()) {
    // Told once, by the stage going away unopened.
    delete stage;
    return nullptr;
  }
  return stage;
}

}  // namespace lrw
