// The property panel: every control that edits the selected slides.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <algorithm>
#include <optional>

#include "arrange/ArrangementHost.h"
#include "arrange/SlidePreviewBackgroundForm.h"
#include "designer/ColorSwatch.h"
#include "designer/SecondsSpinBox.h"
#include "designer/SlideCaptionForm.h"
#include "designer/SlideshowDesignForm.h"
#include "document/Paths.h"
#include "effects/EffectNames.h"
#include "effects/SlideTransitionForm.h"
#include "platform/QtText.h"
#include "platform/SystemColors.h"
#include "player/CaptionFont.h"
#include "player/MediaPlayer.h"
#include "player/WrapCaption.h"

namespace lrw {
namespace {

// A new caption is first broken to this width before its box is sized.
constexpr int kFirstCaptionWidth = 110;
constexpr size_t kPathCapacity = 255;
constexpr int64_t kPreviewMs = 5000;

std::optional<uint32_t> AskColor(TSlideshowDesignForm& form, uint32_t color,
                                 QWidget* parent = nullptr) {
  const std::optional<QColor> chosen =
      form.Services().dialogs.ChooseColor(parent ? parent : &form, ColorFromRecord(color));
  if (!chosen || !chosen->isValid()) return std::nullopt;
  return RecordFromColor(*chosen);
}

// The width a caption's box gets when its first text is written.
int16_t FirstCaptionWidth(const std::vector<std::string>& lines, const CaptionFontRecord& font) {
  const QtTextMeasurer measurer(QFontFromCaptionFont(font));
  std::vector<std::string> broken;
  int width = kFirstCaptionWidth;
  WrapCaption(lines, measurer, broken, width);
  int widest = measurer.TextWidth("WW");
  for (const std::string& line : broken) {
    widest = std::max(widest, measurer.TextWidth(TrimCaptionRight(line)));
  }
  return static_cast<int16_t>(std::min(widest, 32767));
}

// Transitional: this window as the arrangement stage's host until the editor's own host
// replaces it. Lives as long as its stage.
class DesignerStageHost : public QObject, public ArrangementHost {
 public:
  DesignerStageHost(TSlideshowDesignForm& form, SlideId slide)
      : QObject(&form), form_(form), slide_(slide) {}
  const SlideRecord* ArrangedSlide() const override { return form_.Document().Find(slide_); }
  QSize ScreenSize() const override { return form_.Services().screenSize; }
  uint32_t ChangeBackground(uint32_t color, QWidget* parent) override {
    return form_.ChangeBackground(color, parent);
  }
  bool EditCaption(std::vector<std::string>& lines, CaptionFontRecord& font, uint32_t& backColor,
                   QWidget* parent) override {
    return form_.EditCaption(lines, font, backColor, parent) == QDialog::Accepted;
  }
  CaptionFontRecord DesignerFont() const override {
    SlideRecord defaults;
    SetDesignerCaptionFont(defaults);
    return CaptionFontRecord::Of(defaults);
  }
  TLoadPictureModule& PictureLoader() override { return form_.LoadPictureModule(); }
  Prompts& UserPrompts() override { return form_.Services().prompts; }
  void ArrangementFinished(std::optional<SlideRecord> arranged) override {
    const int index = form_.Document().IndexOf(slide_);
    if (!arranged || index < 0) return;
    form_.Document().ReplaceSlide(index, std::move(*arranged));
    form_.Document().SetModified(true);
  }

 private:
  TSlideshowDesignForm& form_;
  SlideId slide_;
};

}  // namespace

void TSlideshowDesignForm::WirePanel() {
  if (cbTransition->count() == 0) {
    for (const std::string_view name : EffectNames()) {
      cbTransition->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
  }
  // Only the user's changes: loading the panel sets the controls from code.
  connect(cbTransition, &QComboBox::activated, this, [this] { cbTransitionChange(); });
  connect(tbBox_Width, &QSlider::valueChanged, this, [this] { tbBox_WidthChange(); });
  connect(cbxCenter, &QCheckBox::clicked, this, [this] { cbxCenterClick(); });
  connect(btnBackground, &QPushButton::clicked, this, [this] { lbBackgroundClick(); });
  connect(lbBackground, &ColorSwatch::clicked, this, [this] { lbBackgroundClick(); });
  connect(cbxShow_Caption, &QCheckBox::clicked, this, [this] { cbxShow_CaptionClick(); });
  connect(btnEdit_Caption, &QPushButton::clicked, this, [this] { btnEdit_CaptionClick(); });
  connect(cbxPlay_Sound, &QCheckBox::clicked, this, [this] { cbxPlay_SoundClick(); });
  connect(btnChange_Sound, &QPushButton::clicked, this, [this] { btnChange_SoundClick(); });
  connect(btnPlay_Sound, &QPushButton::clicked, this, [this] { btnPlay_SoundClick(); });
  connect(rbEnterPressed, &QRadioButton::clicked, this, [this] { rbEnterPressedClick(); });
  connect(rbSoundEnded, &QRadioButton::clicked, this, [this] { rbSoundEndedClick(); });
  connect(rbTimeElapsed, &QRadioButton::clicked, this, [this] { rbTimeElapsedClick(); });
  connect(seAdditional_Time, &SecondsSpinBox::secondsTextChanged, this,
          [this] { seAdditional_TimeChange(); });
  seAdditional_Time->onRefusedKey = [this] { Services().prompts.Beep(BeepKind::Default); };
  connect(btnShowTransition, &QPushButton::clicked, this, [this] { btnShowTransitionClick(); });
  connect(btnPreview, &QPushButton::clicked, this, [this] { btnPreviewClick(); });
  ArrangeSlide = [this](int index) {
    if (!Document().ValidIndex(index)) return;
    if (ArrangementStage) {
      ArrangementStage->raise();
      ArrangementStage->activateWindow();
      return;
    }
    auto* host = new DesignerStageHost(*this, Document().IdAt(index));
    // The slide list must not change until the stage is gone.
    setEnabled(false);
    TSlidePreviewBackgroundForm* stage = OpenArrangementStage(*host);
    if (!stage) {
      setEnabled(true);
      host->deleteLater();
      return;
    }
    ArrangementStage = stage;
    connect(stage, &QObject::destroyed, this, [this, host] {
      host->deleteLater();
      setEnabled(true);
      ImageListBoxClick();
      StripRepaint();
    });
  };
}

void TSlideshowDesignForm::cbTransitionChange() {
  const int effect = cbTransition->currentIndex();
  if (effect < 0) return;
  for (int i = 0; i < Document().Count(); ++i) {
    if (!IsSelected(i)) continue;
    SlideRecord& slide = MutableSlide(Document(), i);
    if (!Document().Modified() && slide.Effect != effect) Document().SetModified(true);
    slide.Effect = static_cast<uint8_t>(effect);
  }
}

void TSlideshowDesignForm::tbBox_WidthChange() {
  for (int i = 0; i < Document().Count(); ++i) {
    if (!IsSelected(i)) continue;
    MutableSlide(Document(), i).BoxWidth = static_cast<int16_t>(tbBox_Width->value());
    Document().SetModified(true);
  }
}

void TSlideshowDesignForm::cbxCenterClick() {
  // A click never leaves the box grayed: from the mixed state it becomes checked.
  if (cbxCenter->checkState() == Qt::PartiallyChecked) cbxCenter->setCheckState(Qt::Checked);
  const bool center = cbxCenter->checkState() == Qt::Checked;
  const QSize screen = Services().screenSize;
  for (int i = 0; i < Document().Count(); ++i) {
    if (!IsSelected(i)) continue;
    SlideRecord& slide = MutableSlide(Document(), i);
    slide.CenterImage = center ? 1 : 0;
    Document().SetModified(true);
    if (center) {
      // Integer division truncates toward zero, as every halving of a position must.
      slide.ImageTop = static_cast<int16_t>((screen.height() - slide.ImageHeight) / 2);
      slide.ImageLeft = static_cast<int16_t>((screen.width() - slide.ImageWidth) / 2);
    }
  }
}

uint32_t TSlideshowDesignForm::ChangeBackground(uint32_t color, QWidget* parent) {
  return AskColor(*this, color, parent).value_or(color);
}

void TSlideshowDesignForm::lbBackgroundClick() {
  // The dialog opens on the selection's common colour, or white when the slides differ,
  // which is what the swatch shows.
  std::optional<uint32_t> common;
  bool mixed = false;
  for (int i = 0; i < Document().Count(); ++i) {
    if (!IsSelected(i)) continue;
    const uint32_t c = Document().SlideAt(i).BackgroundColor;
    if (!common)
      common = c;
    else if (*common != c)
      mixed = true;
  }
  if (!common) return;
  // A cancelled dialog must not paint a mixed selection white, so it ends here.
  const std::optional<uint32_t> chosen = AskColor(*this, mixed ? 0xFFFFFFu : *common);
  if (!chosen) return;
  const uint32_t c = *chosen;
  bool repaintStrip = false;
  for (int i = 0; i < Document().Count(); ++i) {
    if (!IsSelected(i)) continue;
    SlideRecord& slide = MutableSlide(Document(), i);
    if (slide.BackgroundColor == c) continue;
    slide.BackgroundColor = c;
    Document().SetModified(true);
    lbBackground->setColor(ColorFromRecord(c));
    if (!slide.Thumbnail) repaintStrip = true;
  }
  if (repaintStrip) StripRepaint();
}

int TSlideshowDesignForm::EditCaption(std::vector<std::string>& lines, CaptionFontRecord& font,
                                      uint32_t& backColor, QWidget* parent) {
  TSlideCaptionForm editor(Services().dialogs, Services().prompts, parent ? parent : this);
  QStringList shown;
  for (const std::string& line : lines) shown << FromCp1252(line);
  editor.SetCaptionLines(shown);
  const QColor fontColor = ColorFromRecord(font.Color);
  const QColor boxColor = ColorFromRecord(backColor);
  editor.SetCaptionFont(QFontFromCaptionFont(font), font.Size, fontColor);
  editor.SetBackColor(boxColor);
  const int result = editor.exec();
  if (result != QDialog::Accepted) return result;

  // Colours left as they were keep their record value, so a system colour stays one.
  if (editor.BackColor() != boxColor) backColor = RecordFromColor(editor.BackColor());
  std::vector<std::string> edited;
  for (const QString& line : editor.CaptionLines()) {
    // The text area only admits characters the record can hold.
    edited.push_back(ToCp1252(line).value_or(std::string()));
  }
  lines = std::move(edited);
  CaptionFontRecord chosen = CaptionFontFromQFont(editor.CaptionQFont());
  chosen.Size = static_cast<int16_t>(editor.CaptionPoints());
  if (chosen.Name.empty()) chosen.Name = font.Name;
  chosen.Color = editor.CaptionFontColor() != fontColor ? RecordFromColor(editor.CaptionFontColor())
                                                        : font.Color;
  font = chosen;
  return result;
}

void TSlideshowDesignForm::btnEdit_CaptionClick() {
  const int index = CurrentIndex();
  if (!Document().ValidIndex(index)) return;
  SlideRecord& before = MutableSlide(Document(), index);
  const bool hadLines = !before.Caption.empty();
  std::vector<std::string> lines = before.Caption;
  CaptionFontRecord font = CaptionFontRecord::Of(before);
  uint32_t backColor = before.CaptionBackColor;
  if (EditCaption(lines, font, backColor) != QDialog::Accepted) return;
  // The editor ran its own event loop: look the slide up again.
  if (!Document().ValidIndex(index)) return;
  SlideRecord& slide = MutableSlide(Document(), index);
  slide.Caption = std::move(lines);
  slide.CaptionBackColor = backColor;
  font.StoreInto(slide);
  // Only a first caption gets its box sized; later the placement window sizes it.
  if (!hadLines) slide.CaptionWidth = FirstCaptionWidth(slide.Caption, font);
  Document().SetModified(true);
}

void TSlideshowDesignForm::cbxShow_CaptionClick() {
  const int index = CurrentIndex();
  if (!Document().ValidIndex(index)) return;
  if (cbxShow_Caption->checkState() == Qt::PartiallyChecked) {
    cbxShow_Caption->setCheckState(Qt::Checked);
  }
  if (cbxShow_Caption->isChecked() && Document().SlideAt(index).Caption.empty()) {
    btnEdit_CaptionClick();
    if (!Document().ValidIndex(index)) return;
    if (Document().SlideAt(index).Caption.empty()) {
      // Unticking from here runs this handler again for the unticked box; the steps
      // below then leave the same state a second time.
      cbxShow_Caption->setCheckState(Qt::Unchecked);
      cbxShow_CaptionClick();
    }
  }
  const bool show = cbxShow_Caption->isChecked();
  MutableSlide(Document(), index).ShowCaption = show ? 1 : 0;
  btnEdit_Caption->setEnabled(show);
  Document().SetModified(true);
}

void TSlideshowDesignForm::cbxPlay_SoundClick() {
  const int index = CurrentIndex();
  if (!Document().ValidIndex(index)) return;
  if (cbxPlay_Sound->checkState() == Qt::PartiallyChecked) {
    cbxPlay_Sound->setCheckState(Qt::Checked);
  }
  if (cbxPlay_Sound->isChecked() && Document().SlideAt(index).SoundName.empty()) {
    if (ChooseSoundFile() != 1) {
      cbxPlay_Sound->setCheckState(Qt::Unchecked);
      cbxPlay_SoundClick();
    }
    if (!Document().ValidIndex(index)) return;
  }
  const bool play = cbxPlay_Sound->isChecked();
  SlideRecord& slide = MutableSlide(Document(), index);
  if (slide.PlaySound != (play ? 1 : 0)) Document().SetModified(true);
  slide.PlaySound = play ? 1 : 0;
  btnChange_Sound->setEnabled(play);
  btnPlay_Sound->setEnabled(play);
}

int TSlideshowDesignForm::ChooseSoundFile() {
  const int index = CurrentIndex();
  if (!Document().ValidIndex(index)) return 2;
  const std::string current = Document().SlideAt(index).SoundPath();
  FileDialogOptions options;
  options.title = QStringLiteral("Brightframework - Select a Sound File");
  options.filter = QStringLiteral("Sound files (*.wav)|*.wav");
  options.defaultSuffix = QStringLiteral("wav");
  if (!Document().SlideAt(index).SoundName.empty()) {
    options.fileName = FromCp1252(CutToCapacity(current, kPathCapacity));
    options.directory = FromCp1252(Document().SlideAt(index).SoundFolder);
  }
  const std::optional<QString> chosen = Services().dialogs.OpenFile(this, options);
  if (!chosen) return 2;
  const std::optional<std::string> path = ToCp1252(*chosen);
  if (!path) {
    // Stored damaged, the name would point nowhere once the show is reopened.
    Services().prompts.Beep(BeepKind::Warning);
    Services().prompts.Tell("The name of the file \"" + chosen->toStdString() +
                                "\" contains characters that a show file cannot hold.",
                            "", PromptIcon::Warning);
    return 2;
  }
  if (!Document().ValidIndex(index)) return 2;
  SlideRecord& slide = MutableSlide(Document(), index);
  if (!Document().Modified() && *path != slide.SoundPath()) Document().SetModified(true);
  slide.SoundFolder = CutToCapacity(FolderOf(*path), kFolderCapacity);
  slide.SoundName = CutToCapacity(FileNameOf(*path), kNameCapacity);
  lblSound_File_Name->setText(FromCp1252(slide.SoundName));
  QCoreApplication::processEvents();
  btnPlay_SoundClick();
  return 1;
}

void TSlideshowDesignForm::btnChange_SoundClick() {
  ChooseSoundFile();
}

void TSlideshowDesignForm::btnPlay_SoundClick() {
  const int index = CurrentIndex();
  if (!Document().ValidIndex(index)) return;
  const std::string path =
      Cp1252ToUtf8(CutToCapacity(Document().SlideAt(index).SoundPath(), kPathCapacity));
  // A preview: at most the first five seconds, and the window waits for it.
  MediaPlayer player;
  player.SetFileName(path);
  player.Open();
  if (player.Error() == kMediaOk) {
    if (player.LengthMs() > kPreviewMs) player.SetEndPosition(kPreviewMs);
    player.SetWait(true);
    player.Play();
  }
  if (player.Error() != kMediaOk) {
    const std::string message = player.ErrorMessage();
    player.Close();
    Services().prompts.Tell(message, "", PromptIcon::Error);
    return;
  }
  player.Close();
}

void TSlideshowDesignForm::rbEnterPressedClick() {
  for (int i = 0; i < Document().Count(); ++i) {
    if (!IsSelected(i)) continue;
    MutableSlide(Document(), i).DurationMode = EnterPressed;
    Document().SetModified(true);
  }
  seAdditional_Time->setEnabled(false);
}

void TSlideshowDesignForm::rbSoundEndedClick() {
  for (int i = 0; i < Document().Count(); ++i) {
    if (!IsSelected(i)) continue;
    MutableSlide(Document(), i).DurationMode = SoundEnded;
    Document().SetModified(true);
  }
  seAdditional_Time->setEnabled(true);
}

void TSlideshowDesignForm::rbTimeElapsedClick() {
  for (int i = 0; i < Document().Count(); ++i) {
    if (!IsSelected(i)) continue;
    MutableSlide(Document(), i).DurationMode = TimeElapsed;
    Document().SetModified(true);
  }
  seAdditional_Time->setEnabled(true);
}

void TSlideshowDesignForm::seAdditional_TimeChange() {
  // Out-of-range numbers are kept while typing; the box pulls them into range when it
  // loses the focus, which changes the text and so comes back here.
  const int typed = SecondsSpinBox::ParseSeconds(seAdditional_Time->text());
  const auto seconds = static_cast<int16_t>(std::clamp(typed, -32768, 32767));
  for (int i = 0; i < Document().Count(); ++i) {
    if (!IsSelected(i)) continue;
    MutableSlide(Document(), i).ExtraSeconds = seconds;
    Document().SetModified(true);
  }
}

void TSlideshowDesignForm::btnShowTransitionClick() {
  const int index = CurrentIndex();
  if (!Document().ValidIndex(index)) return;
  // A copy: the demonstration processes events while the show may change.
  const SlideRecord slide = Document().SlideAt(index);
  ShowTransitionDemo(slide, this);
}

void TSlideshowDesignForm::btnPreviewClick() {
  const int index = CurrentIndex();
  if (!Document().ValidIndex(index) || !ArrangeSlide) return;
  ArrangeSlide(index);
}

}  // namespace lrw
