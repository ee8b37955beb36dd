#include "arrange/SlidePreviewBackgroundForm.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>

#include "arrange/ArrangementWriteBack.h"
#include "arrange/SlideCaptionPreviewForm.h"
#include "arrange/SlidePreviewForm.h"
#include "document/Cp1252.h"
#include "import/LoadPicture.h"
#include "platform/HelpViewer.h"
#include "platform/QtPrompts.h"
#include "platform/SystemColors.h"
#include "player/CaptionFont.h"

namespace lrw {

namespace {
constexpr int kArrangeHelpContext = 2012;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBandBlue = 0xFF0000;  // a record colour: blue

QImage ToImage(const Bitmap& bitmap) {
  if (bitmap.empty()) return {};
  const QImage wrapped(reinterpret_cast<const uchar*>(bitmap.pixels.data()), bitmap.width,
                       bitmap.height, bitmap.width * 4, QImage::Format_RGB32);
  return wrapped.copy();
}
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
  InstallHelpKey(this, kArrangeHelpContext);

  PopupMenu1 = new QMenu(this);
  Changebackgroundcolor1 = PopupMenu1->addAction(QStringLiteral("Change background color"));
  AddaCaption1 = PopupMenu1->addAction(QStringLiteral("&Add a Caption"));
  PopupMenu1->addSeparator();
  ExitandSave1 = PopupMenu1->addAction(QStringLiteral("Exit and &Save"));
  ExitWithoutSaving1 = PopupMenu1->addAction(QStringLiteral("Exit &Without Saving"));
  connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { AddaCaption1->setEnabled(!HasCaption); });
  connect(Changebackgroundcolor1, &QAction::triggered, this,
          [this] { Changebackgroundcolor1Click(); });
  connect(AddaCaption1, &QAction::triggered, this, [this] { AddaCaption1Click(); });
  connect(ExitandSave1, &QAction::triggered, this, [this] { close(); });
  connect(ExitWithoutSaving1, &QAction::triggered, this,
          [this] { FormKeyDown(Qt::Key_Escape, Qt::NoModifier); });
}

TSlidePreviewBackgroundForm::~TSlidePreviewBackgroundForm() = default;

QSize TSlidePreviewBackgroundForm::ScreenSize() const {
  return host_.ScreenSize();
}

void TSlidePreviewBackgroundForm::SetWindowColor(uint32_t color) {
  windowColor_ = color;
  update();
}

void TSlidePreviewBackgroundForm::Open(SlideRecord& slide) {
  Slide = &slide;
  // FormShow
  SetWindowColor(slide.BackgroundColor);
  Centered = slide.CenterImage != 0;
  HasCaption = slide.ShowCaption != 0;
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
  setGeometry(QRect(origin, ScreenSize()));
  showFullScreen();
  raise();
  activateWindow();
  OpenImageWindow();
  LoadCaption();
}

void TSlidePreviewBackgroundForm::OpenImageWindow() {
  if (!Slide || Slide->PictureName.empty()) return;
  const LoadPictureResult loaded =
      host_.PictureLoader().LoadPicture(Cp1252ToUtf8(Slide->PicturePath()), FullSizeMode);
  LoadedPicture = loaded.status == Loaded ? ToImage(loaded.bitmap) : QImage();
  if (loaded.status == LoadFailed) {
    Prompts& prompts = host_.UserPrompts();
    prompts.Beep(BeepKind::Error);
    if (dynamic_cast<QtPrompts*>(&prompts)) {
      // The program's message boxes belong to the designer, and one would lift the
      // designer over the stage: this box is the stage's, shown on top of it.
      QtPrompts own(this);
      own.Tell(loaded.errorText, "Error", PromptIcon::Error);
    } else {
      prompts.Tell(loaded.errorText, "Error", PromptIcon::Error);
    }
  }

  auto* window = new TSlidePreviewForm(this, this);
  imageWindow_ = window;
  window->Slide = Slide;
  ImageFrameWidth = TPreviewForm::kFrameWidth;
  // The client area, not the frame, lands on the stored box.
  window->SetBounds({Slide->ImageLeft - ImageFrameWidth, Slide->ImageTop - ImageFrameWidth,
                     Slide->ImageWidth + 2 * ImageFrameWidth,
                     Slide->ImageHeight + 2 * ImageFrameWidth});
  window->Image1 = LoadedPicture;
  window->LastLeft = window->x();
  window->LastTop = window->y();
  window->show();
  window->Activate();
  SaveOnClose = true;
}

void TSlidePreviewBackgroundForm::LoadCaption() {
  if (!HasCaption || !Slide) return;
  CaptionFont = CaptionFontRecord::Of(*Slide);
  CaptionText = Slide->Caption;
  CaptionBack = Slide->CaptionBackColor;
  OpenCaptionWindow();
  SaveOnClose = true;
}

void TSlidePreviewBackgroundForm::OpenCaptionWindow() {
  auto* window = new TSlideCaptionPreviewForm(this, this);
  captionWindow_ = window;
  window->Slide = Slide;
  window->SetClientWidth(Slide ? Slide->CaptionWidth : 0);
  // The outer corner, unlike the image window's client corner.
  if (Slide) window->move(Slide->CaptionLeft, Slide->CaptionTop);
  window->FitToText();
  window->show();
  window->Activate();
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
  OpenCaptionWindow();
  SaveOnClose = true;
}

void TSlidePreviewBackgroundForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers held =
      modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key == Qt::Key_Escape) {
    SaveOnClose = false;
    FormClose();
  } else if (key == Qt::Key_F10 && held == Qt::ShiftModifier) {
    PopupMenu1->popup(QPoint(x() + 10, y() + 10));
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

void TSlidePreviewBackgroundForm::PlacementActivated(TPreviewForm* window) {
  if (imageWindow_) imageWindow_->SetFrameActive(imageWindow_ == window);
  if (captionWindow_) captionWindow_->SetFrameActive(captionWindow_ == window);
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

void TSlidePreviewBackgroundForm::FormClose() {
  if (closed_) return;
  closed_ = true;
  std::optional<SlideRecord> result;
  if (Slide) {
    ArrangementOutcome outcome;
    outcome.saveOnClose = SaveOnClose;
    const bool hasPicture = !Slide->PictureName.empty();
    // A window that is already gone leaves the stored values as they were.
    if (const TSlidePreviewForm* image = imageWindow_.data()) {
      outcome.imageClientLeft = image->x() + ImageFrameWidth;
      outcome.imageClientTop = image->y() + ImageFrameWidth;
      outcome.imageClientWidth = image->ClientWidth();
      outcome.imageClientHeight = image->ClientHeight();
    } else {
      outcome.imageClientLeft = Slide->ImageLeft;
      outcome.imageClientTop = Slide->ImageTop;
      outcome.imageClientWidth = Slide->ImageWidth;
      outcome.imageClientHeight = Slide->ImageHeight;
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
      outcome.captionWindowLeft = Slide->CaptionLeft;
      outcome.captionWindowTop = Slide->CaptionTop;
      outcome.captionClientWidth = Slide->CaptionWidth;
    }
    outcome.backgroundColor = windowColor_;

    const QtTextMeasurer measurer(QFontFromCaptionFont(CaptionFont));
    SlideRecord arranged = *Slide;
    if (WriteArrangement(arranged, outcome, measurer)) result = std::move(arranged);
  }
  for (QWidget* window :
       {static_cast<QWidget*>(imageWindow_.data()), static_cast<QWidget*>(captionWindow_.data())}) {
    if (!window) continue;
    window->hide();
    window->deleteLater();
  }
  imageWindow_ = nullptr;
  captionWindow_ = nullptr;
  hide();
  host_.ArrangementFinished(std::move(result));
  // Released after the current event, which may still be running in this window.
  deleteLater();
}

TSlidePreviewBackgroundForm* OpenArrangementStage(ArrangementHost& host) {
  const SlideRecord* slide = host.ArrangedSlide();
  if (!slide) {
    host.ArrangementFinished(std::nullopt);
    return nullptr;
  }
  auto* stage = new TSlidePreviewBackgroundForm(host);
  stage->Open(*const_cast<SlideRecord*>(slide));
  return stage;
}

}  // namespace lrw
