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
#include "arrange/FramingRules.h"
#include "arrange/SlideCaptionPreviewForm.h"
#include "arrange/SlidePreviewForm.h"
#include "document/Cp1252.h"
#include "effects/MotionFraming.h"
#include "export/AudioTrack.h"
#include "import/LoadPicture.h"
#include "platform/HelpViewer.h"
#include "platform/QtBitmap.h"
#include "platform/QtPrompts.h"
#include "platform/SystemColors.h"
#include "player/CaptionFont.h"
#include "player/MotionPicture.h"

namespace lrw {

namespace {
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBandBlue = 0xFF0000;  // a record colour: blue

}  // namespace

const char* const SlidePreviewBackgroundForm::kHelpLine1 =
    "   Alt+F4=Save Changes    Shift+F10=Menu    Esc=Cancel    F1=Help";
const char* const SlidePreviewBackgroundForm::kHelpLine2 =
    "   Drag borders to resize windows    Drag windows to reposition    F6=Switch Windows";

SlidePreviewBackgroundForm::SlidePreviewBackgroundForm(ArrangementHost& host)
    : QWidget(nullptr, Qt::FramelessWindowHint), host_(host) {
  setObjectName(QStringLiteral("SlidePreviewBackgroundForm"));
  setWindowTitle(QStringLiteral("Lanternreelworks!"));
  setFont(MakeCaptionFont("Courier New", 8, FontStyle::None));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(tr("Slide arrangement"));
  setAccessibleDescription(
      tr("Shift+F10 opens the menu, F6 goes to the picture or caption box, "
         "Esc leaves without saving, Alt+F4 saves and leaves"));

  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("PopupMenu1"));
  connect(AddMenuItem(QStringLiteral("Changebackgroundcolor1"), tr("Change background color")),
          &QAction::triggered, this, [this] { ChangeBackgroundColor(); });
  addCaptionAction_ = AddMenuItem(QStringLiteral("AddaCaption1"), tr("&Add a Caption"));
  connect(addCaptionAction_, &QAction::triggered, this, [this] { AddCaption(); });
  previewAction_ = AddMenuItem(QStringLiteral("PreviewMotion1"), tr("&Preview the Motion"));
  connect(previewAction_, &QAction::triggered, this, [this] { PreviewMotion(); });
  menu_->addSeparator();
  connect(AddMenuItem(QStringLiteral("ExitandSave1"), tr("Exit and &Save")), &QAction::triggered,
          this, [this] { close(); });
  connect(AddMenuItem(QStringLiteral("ExitWithoutSaving1"), tr("Exit &Without Saving")),
          &QAction::triggered, this, [this] { LeaveWithoutSaving(); });
  connect(menu_, &QMenu::aboutToShow, this, [this] {
    addCaptionAction_->setEnabled(!hasCaption_);
    previewAction_->setEnabled(!startForm_.isNull());
  });
}

QAction* SlidePreviewBackgroundForm::AddMenuItem(const QString& name, const QString& text) {
  QAction* action = menu_->addAction(text);
  action->setObjectName(name);
  return action;
}

SlidePreviewBackgroundForm::~SlidePreviewBackgroundForm() {
  if (!closed_) {
    closed_ = true;
    host_.ArrangementFinished(std::nullopt);
  }
}

QSize SlidePreviewBackgroundForm::ScreenSize() const {
  return host_.ScreenSize();
}

QFont SlidePreviewBackgroundForm::CaptionQFont() const {
  return MakeCaptionFont(captionFont_.Name, captionFont_.Size, captionFont_.Style);
}

void SlidePreviewBackgroundForm::SetCaptionBack(uint32_t color) {
  captionBack_ = color;
  saveOnClose_ = true;
}

bool SlidePreviewBackgroundForm::EditCaption(QWidget* parent) {
  return host_.EditCaption(captionText_, captionFont_, captionBack_, parent);
}

void SlidePreviewBackgroundForm::SetWindowColor(uint32_t color) {
  windowColor_ = color;
  update();
}

bool SlidePreviewBackgroundForm::Open() {
  const SlideRecord* found = host_.ArrangedSlide();
  if (!found) return false;
  // What the forms open on; the show's own record is looked up again when it is needed.
  const SlideRecord slide = *found;
  // FormShow
  SetWindowColor(slide.BackgroundColor);
  centered_ = slide.CenterImage != 0;
  hasCaption_ = slide.ShowCaption != 0;
  motion_ = slide.Motion;
  slideIndex_ = host_.ArrangedSlideIndex();
  // The stage's own coordinates are the stored screen coordinates: it covers the
  // primary screen from its origin.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
  setGeometry(QRect(origin, ScreenSize()));
  showFullScreen();
  raise();
  activateWindow();
  OpenPictureForm(slide);
  OpenMotionForms(slide);
  LoadCaption(slide);
  return true;
}

void SlidePreviewBackgroundForm::OpenPictureForm(const SlideRecord& slide) {
  if (slide.PictureName.empty()) return;
  // Decoded large enough for the screen's device pixels, no larger: a photo of many
  // megapixels is read at a reduced scale, as the show reads it.
  const qreal ratio = devicePixelRatioF();
  const QSize screen = ScreenSize();
  const LoadPictureResult loaded = host_.PictureLoader().LoadPictureForSize(
      Cp1252ToUtf8(slide.PicturePath()), static_cast<int>(screen.width() * ratio),
      static_cast<int>(screen.height() * ratio));
  loadedPicture_ = loaded ? ImageFromBitmap(loaded->bitmap) : QImage();
  pictureSize_ = loaded ? QSize(loaded->fullWidth, loaded->fullHeight) : QSize();
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

  auto* form = new SlidePreviewForm(*this);
  pictureForm_ = form;
  imageFrameWidth_ = (form->width() - form->ClientWidth()) / 2;
  // The client area, not the frame, lands on the stored box, wherever that is: a box
  // larger than the screen stays as it is.
  form->SetBounds({slide.ImageLeft - imageFrameWidth_, slide.ImageTop - imageFrameWidth_,
                   slide.ImageWidth + 2 * imageFrameWidth_,
                   slide.ImageHeight + 2 * imageFrameWidth_});
  form->SetPicture(loadedPicture_);
  form->RecordPosition();
  form->show();
  form->Activate();
  saveOnClose_ = true;
}

void SlidePreviewBackgroundForm::OpenMotionForms(const SlideRecord& slide) {
  if (!pictureForm_ || pictureSize_.isEmpty() || !slide.Motion.Present()) return;
  const QSize screen = ScreenSize();
  const FramingShape shape{pictureSize_.width(), pictureSize_.height(), screen.width(),
                           screen.height()};
  const auto usable = [](const MotionRect& r) { return r.width > 0 && r.height > 0; };
  SlideMotion shown = motion_;
  // A custom motion whose framings were never placed starts from a zoom in.
  const bool unplaced =
      motion_.kind == MotionKind::Custom && !usable(motion_.start) && !usable(motion_.end);
  if (unplaced) shown.kind = MotionKind::ZoomIn;
  const std::optional<MotionPath> path =
      MotionPathFor(shown, shape.pictureWidth, shape.pictureHeight, shape.screenWidth,
                    shape.screenHeight, slideIndex_);
  if (!path) return;
  // Created after the picture form, so above it; the caption form comes last, on top.
  startForm_ = new MotionFrameForm(*this, MotionEnd::Start);
  startForm_->SetFraming(FitFraming(path->start, {}, shape));
  startForm_->show();
  endForm_ = new MotionFrameForm(*this, MotionEnd::End);
  endForm_->SetFraming(FitFraming(path->end, {}, shape));
  endForm_->show();
  StackMotionForms();
  // What the boxes show is what is stored.
  if (unplaced) MotionPlaced();
}

QRect SlidePreviewBackgroundForm::PictureClientRect() const {
  if (!pictureForm_) return {};
  return pictureForm_->ClientRect().translated(pictureForm_->pos());
}

void SlidePreviewBackgroundForm::PictureFormPlaced() {
  for (MotionFrameForm* form : {startForm_.data(), endForm_.data()})
    if (form) form->FollowPicture();
}

void SlidePreviewBackgroundForm::MotionPlaced() {
  if (!startForm_ || !endForm_) return;
  motionPlaced_ = true;
  motion_.kind = MotionKind::Custom;
  motion_.start = startForm_->Framing();
  motion_.end = endForm_->Framing();
  saveOnClose_ = true;
  StackMotionForms();
}

void SlidePreviewBackgroundForm::PreviewMotion() {
  if (preview_ && preview_->Playing()) return;
  const std::optional<SlideRecord> slide = SlideAsArranged(false);
  MotionPicture picture;
  const qreal ratio = devicePixelRatioF();
  const QSize device(qRound(width() * ratio), qRound(height() * ratio));
  if (!startForm_ || !slide ||
      !picture.Prepare(*slide, slideIndex_, device, ratio, host_.PictureLoader())) {
    // Nothing moves on this slide (no motion, or its picture cannot be read now).
    host_.UserPrompts().Beep(BeepKind::Warning);
    return;
  }
  std::optional<double> sound;
  if (slide->PlaySound && slide->DurationMode == DurationMode::SoundEnded)
    sound = SoundFileSeconds(Cp1252ToUtf8(slide->SoundPath()));
  auto* preview = new MotionPreview(this);
  preview_ = preview;
  const QPointer<QWidget> back = focusWidget();
  connect(preview, &MotionPreview::Stopped, this, [preview, back] {
    preview->deleteLater();
    if (back) back->setFocus(Qt::OtherFocusReason);
  });
  preview->Play(std::move(picture), MotionSeconds(*slide, sound));
}

void SlidePreviewBackgroundForm::LoadCaption(const SlideRecord& slide) {
  if (!hasCaption_) return;
  captionFont_ = CaptionFontRecord::Of(slide);
  captionText_ = slide.Caption;
  captionBack_ = slide.CaptionBackColor;
  OpenCaptionForm(slide.CaptionWidth, slide.CaptionLeft, slide.CaptionTop);
  saveOnClose_ = true;
}

void SlidePreviewBackgroundForm::OpenCaptionForm(int16_t clientWidth, int16_t left, int16_t top) {
  auto* form = new SlideCaptionPreviewForm(*this);
  captionForm_ = form;
  form->SetClientWidth(clientWidth);
  // The outer corner, unlike the picture form's client corner.
  form->move(left, top);
  form->FitToText();
  form->show();
  form->Activate();
}

void SlidePreviewBackgroundForm::ChangeBackgroundColor() {
  const uint32_t chosen = host_.ChangeBackground(windowColor_, this);
  if (chosen == windowColor_) return;
  SetWindowColor(chosen);
  saveOnClose_ = true;
}

void SlidePreviewBackgroundForm::AddCaption() {
  if (hasCaption_) return;
  // A new caption starts in the designer's font on white.
  captionFont_ = host_.DesignerFont();
  captionBack_ = kWhite;
  if (!EditCaption(this)) return;
  hasCaption_ = true;
  // The box the slide keeps for its caption, even while it shows none.
  const SlideRecord* slide = host_.ArrangedSlide();
  if (slide)
    OpenCaptionForm(slide->CaptionWidth, slide->CaptionLeft, slide->CaptionTop);
  else
    OpenCaptionForm(0, 0, 0);
  saveOnClose_ = true;
}

void SlidePreviewBackgroundForm::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers held =
      modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key == Qt::Key_Escape) {
    saveOnClose_ = false;
    FinishArrangement();
  } else if (key == Qt::Key_F10 && held == Qt::ShiftModifier) {
    menu_->popup(mapToGlobal(QPoint(10, 10)));
  } else if (key == Qt::Key_F5) {
    PreviewMotion();
  } else if (key == Qt::Key_F1) {
    // A key of the stage, not a shortcut: it works before the window is active too.
    ShowHelp(kHelpArrangementStage);
  } else if (key == Qt::Key_F6) {
    if (pictureForm_)
      pictureForm_->Activate();
    else if (captionForm_)
      captionForm_->Activate();
  } else if (key == Qt::Key_F4 && held == Qt::AltModifier) {
    // Desktops without a window manager that closes on Alt+F4 still get the close.
    close();
  }
}

std::vector<PreviewForm*> SlidePreviewBackgroundForm::Forms() const {
  std::vector<PreviewForm*> forms;
  for (PreviewForm* form :
       {static_cast<PreviewForm*>(pictureForm_.data()),
        static_cast<PreviewForm*>(captionForm_.data()),
        static_cast<PreviewForm*>(startForm_.data()), static_cast<PreviewForm*>(endForm_.data())}) {
    if (form) forms.push_back(form);
  }
  return forms;
}

void SlidePreviewBackgroundForm::SwitchForms(PreviewForm* from) {
  const std::vector<PreviewForm*> forms = Forms();
  const auto at = std::find(forms.begin(), forms.end(), from);
  if (at == forms.end() || forms.size() < 2) return;
  const auto next = std::next(at) == forms.end() ? forms.begin() : std::next(at);
  (*next)->Activate();
}

void SlidePreviewBackgroundForm::PlacementActivated(PreviewForm* form) {
  for (PreviewForm* each : Forms()) each->SetFrameActive(each == form);
  // The motion boxes lie over the picture, also when it has the keys.
  if (form && (form == pictureForm_ || form == startForm_ || form == endForm_)) StackMotionForms();
}

void SlidePreviewBackgroundForm::StackMotionForms() {
  if (!startForm_ || !endForm_) return;
  // The smaller box on top, so that a box inside the other can still be grabbed.
  const auto area = [](const QWidget* w) { return w->width() * w->height(); };
  const bool startSmaller = area(startForm_) < area(endForm_);
  (startSmaller ? endForm_ : startForm_)->raise();
  (startSmaller ? startForm_ : endForm_)->raise();
}

void SlidePreviewBackgroundForm::paintEvent(QPaintEvent*) {
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
  if (startForm_) {
    // A third line above the two, only where there is a motion to place.
    painter.fillRect(QRect(0, screenHeight - 3 * h, width(), h), ColorFromRecord(kBandBlue));
    painter.drawText(QPoint(0, screenHeight - 3 * h + metrics.ascent()),
                     tr("   F5=Preview Motion    Drag the Start and End boxes to frame the "
                        "picture when the motion starts and ends"));
  }
}

void SlidePreviewBackgroundForm::keyPressEvent(QKeyEvent* event) {
  HandleKey(event->key(), event->modifiers());
  event->accept();
}

void SlidePreviewBackgroundForm::contextMenuEvent(QContextMenuEvent* event) {
  menu_->popup(event->globalPos());
}

void SlidePreviewBackgroundForm::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!closed_) FinishArrangement();
}

std::optional<SlideRecord> SlidePreviewBackgroundForm::ArrangedSlide() const {
  return SlideAsArranged(true);
}

std::optional<SlideRecord> SlidePreviewBackgroundForm::SlideAsArranged(bool saving) const {
  const SlideRecord* now = host_.ArrangedSlide();
  if (!now || (saving && !saveOnClose_)) return std::nullopt;
  SlideRecord slide = *now;
  ArrangementOutcome outcome;
  outcome.saveOnClose = true;
  // The forms' geometry is the stage's own doing, never a window manager's.
  if (const SlidePreviewForm* image = pictureForm_.data()) {
    outcome.imageClientLeft = image->x() + imageFrameWidth_;
    outcome.imageClientTop = image->y() + imageFrameWidth_;
    outcome.imageClientWidth = image->ClientWidth();
    outcome.imageClientHeight = image->ClientHeight();
  } else {
    outcome.imageClientLeft = slide.ImageLeft;
    outcome.imageClientTop = slide.ImageTop;
    outcome.imageClientWidth = slide.ImageWidth;
    outcome.imageClientHeight = slide.ImageHeight;
  }
  outcome.centered = centered_;
  outcome.hasCaption = hasCaption_;
  outcome.captionText = captionText_;
  outcome.captionFontName = captionFont_.Name;
  outcome.captionFontSize = captionFont_.Size;
  outcome.captionFontStyle = captionFont_.Style;
  outcome.captionFontColor = captionFont_.Color;
  outcome.captionBackColor = captionBack_;
  if (const SlideCaptionPreviewForm* caption = captionForm_.data()) {
    outcome.captionWindowLeft = caption->x();
    outcome.captionWindowTop = caption->y();
    outcome.captionClientWidth = caption->ClientWidth();
  } else {
    outcome.captionWindowLeft = slide.CaptionLeft;
    outcome.captionWindowTop = slide.CaptionTop;
    outcome.captionClientWidth = slide.CaptionWidth;
  }
  outcome.backgroundColor = windowColor_;
  if (motionPlaced_) outcome.motionFramings = std::make_pair(motion_.start, motion_.end);
  const QtTextMeasurer measurer(CaptionQFont());
  if (!WriteArrangement(slide, outcome, measurer)) return std::nullopt;
  return slide;
}

void SlidePreviewBackgroundForm::FinishArrangement() {
  if (closed_) return;
  closed_ = true;
  std::optional<SlideRecord> arranged = ArrangedSlide();
  for (QWidget* form :
       {static_cast<QWidget*>(pictureForm_.data()), static_cast<QWidget*>(captionForm_.data()),
        static_cast<QWidget*>(startForm_.data()), static_cast<QWidget*>(endForm_.data()),
        static_cast<QWidget*>(preview_.data())}) {
    if (!form) continue;
    form->hide();
    form->deleteLater();
  }
  pictureForm_ = nullptr;
  captionForm_ = nullptr;
  startForm_ = nullptr;
  endForm_ = nullptr;
  preview_ = nullptr;
  hide();
  // Released after the current event, which may still be running in this window.
  deleteLater();
  // Last: the host may end its part of the arrangement here, itself included.
  host_.ArrangementFinished(std::move(arranged));
}

SlidePreviewBackgroundForm* OpenArrangementStage(ArrangementHost& host) {
  auto* stage = new SlidePreviewBackgroundForm(host);
  if (!stage->Open()) {
    // Told once, by the stage going away unopened.
    delete stage;
    return nullptr;
  }
  return stage;
}

}  // namespace lrw
