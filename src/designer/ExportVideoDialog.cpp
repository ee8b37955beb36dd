#include "designer/ExportVideoDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "export/VideoEncoder.h"
#include "platform/Dialogs.h"
#include "platform/Prompts.h"

namespace lrw {

namespace {

struct SizePreset {
  const char* text;
  int width;
  int height;
};

constexpr SizePreset kSizes[] = {
    {"1280 x 720", 1280, 720},
    {"1920 x 1080", 1920, 1080},
    {"3840 x 2160", 3840, 2160},
    {QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "1080 x 1920 (upright, for phones)"), 1080, 1920},
};
constexpr int kDefaultSize = 1;

constexpr FrameRate kRates[] = {{24000, 1001}, 24, 25, {30000, 1001}, 30, 50, {60000, 1001}, 60};

struct CodecChoice {
  const char* text;
  std::optional<VideoCodec> codec;
};

const CodecChoice kCodecs[] = {
    {QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "Chosen by the file type (H.264, VP9 for WebM)"),
     std::nullopt},
    {QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "H.264 (plays everywhere)"), VideoCodec::H264},
    {QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "H.265 (smaller, .mp4 and .mkv)"),
     VideoCodec::H265},
    {QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "AV1 (smallest, slower)"), VideoCodec::Av1},
    {QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "VP9 (.webm)"), VideoCodec::Vp9},
};

constexpr const char* kVideoFilter =
    "MP4 video (*.mp4)|*.mp4|Matroska video (*.mkv)|*.mkv|WebM video (*.webm)|*.webm";
constexpr const char* kCaption = QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "Export as Video");

}  // namespace

ExportVideoDialog::ExportVideoDialog(Dialogs& dialogs, Prompts& prompts, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), prompts_(prompts) {
  setObjectName(QStringLiteral("ExportVideoDialog"));
  setWindowTitle(tr(kCaption));

  FileEdit = new QLineEdit(this);
  FileEdit->setMinimumWidth(320);
  FileEdit->setAccessibleName(tr("Video file"));
  BrowseButton = new QPushButton(tr("&Browse..."), this);
  BrowseButton->setAccessibleName(tr("Browse for the video file"));
  connect(BrowseButton, &QPushButton::clicked, this, [this] { BrowseClick(); });
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(FileEdit);
  fileRow->addWidget(BrowseButton);

  PresetBox = new QComboBox(this);
  PresetBox->addItem(tr("Your own choice"));
  for (const ExportPreset& preset : ExportPresets()) {
    PresetBox->addItem(QCoreApplication::translate("lrw::ExportPresets", preset.title));
  }

  SizeBox = new QComboBox(this);
  for (const SizePreset& size : kSizes) SizeBox->addItem(tr(size.text));
  SizeBox->setCurrentIndex(kDefaultSize);

  const ExportOptions defaults;
  FpsBox = new QComboBox(this);
  for (const FrameRate& rate : kRates) {
    FpsBox->addItem(QString::fromStdString(FrameRateText(rate)) + tr(" frames a second"),
                    QVariant::fromValue(QPoint(rate.num, rate.den)));
    if (rate == defaults.fps) FpsBox->setCurrentIndex(FpsBox->count() - 1);
  }

  // Only the encoders this system's FFmpeg has.
  CodecBox = new QComboBox(this);
  for (int i = 0; i < static_cast<int>(std::size(kCodecs)); ++i) {
    if (!kCodecs[i].codec || EncoderAvailable(*kCodecs[i].codec)) {
      CodecBox->addItem(tr(kCodecs[i].text), i);
    }
  }

  BitrateBox = new QSpinBox(this);
  BitrateBox->setRange(0, kMaxBitrateKbps);
  BitrateBox->setSingleStep(500);
  BitrateBox->setSuffix(tr(" kbit/s"));
  BitrateBox->setSpecialValueText(tr("Constant quality"));

  connect(PresetBox, &QComboBox::currentIndexChanged, this, [this](int i) { ApplyPreset(i); });
  for (QComboBox* box : {SizeBox, FpsBox, CodecBox}) {
    connect(box, &QComboBox::currentIndexChanged, this, [this] { ChoiceChanged(); });
  }

  EnterSecondsBox = new QSpinBox(this);
  EnterSecondsBox->setRange(0, 120);
  EnterSecondsBox->setValue(static_cast<int>(defaults.enterSeconds));
  EnterSecondsBox->setSuffix(tr(" seconds"));

  auto* form = new QFormLayout;
  auto* fileLabel = new QLabel(tr("&File:"), this);
  fileLabel->setBuddy(FileEdit);
  form->addRow(fileLabel, fileRow);
  form->addRow(tr("&Preset:"), PresetBox);
  form->addRow(tr("&Size:"), SizeBox);
  form->addRow(tr("&Frame rate:"), FpsBox);
  form->addRow(tr("&Video codec:"), CodecBox);
  form->addRow(tr("Bi&t rate:"), BitrateBox);
  form->addRow(tr("Slides that wait for &Enter stay:"), EnterSecondsBox);

  auto* buttons = new QDialogButtonBox(this);
  OkButton = buttons->addButton(tr("E&xport"), QDialogButtonBox::AcceptRole);
  CancelButton = buttons->addButton(QDialogButtonBox::Cancel);
  OkButton->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &ExportVideoDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ExportVideoDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void ExportVideoDialog::SetFileName(const QString& fileName) {
  FileEdit->setText(fileName);
}

QString ExportVideoDialog::FileName() const {
  QString name = FileEdit->text().trimmed();
  if (name.isEmpty()) return name;
  if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".mp4");
  return QFileInfo(name).absoluteFilePath();
}

ExportOptions ExportVideoDialog::Options() const {
  ExportOptions options;
  const SizePreset& size =
      kSizes[std::clamp(SizeBox->currentIndex(), 0, static_cast<int>(std::size(kSizes)) - 1)];
  options.width = size.width;
  options.height = size.height;
  const QPoint rate = FpsBox->currentData().toPoint();
  options.fps = FrameRate(rate.x(), rate.y());
  const int codec = CodecBox->currentData().toInt();
  if (codec >= 0 && codec < static_cast<int>(std::size(kCodecs)))
    options.codec = kCodecs[codec].codec;
  if (BitrateBox->value() > 0) {
    // Below the smallest rate the encoders take, the check says so.
    options.bitrateKbps = BitrateBox->value();
  } else {
    options.quality = quality_;
  }
  options.enterSeconds = EnterSecondsBox->value();
  return options;
}

void ExportVideoDialog::ApplyPreset(int index) {
  if (index <= 0 || index > static_cast<int>(ExportPresets().size())) return;
  const ExportPreset& preset = ExportPresets()[static_cast<size_t>(index - 1)];
  applying_ = true;
  for (int i = 0; i < static_cast<int>(std::size(kSizes)); ++i) {
    if (kSizes[i].width == preset.width && kSizes[i].height == preset.height) {
      SizeBox->setCurrentIndex(i);
    }
  }
  for (int i = 0; i < FpsBox->count(); ++i) {
    if (FpsBox->itemData(i).toPoint() == QPoint(preset.fps.num, preset.fps.den)) {
      FpsBox->setCurrentIndex(i);
    }
  }
  for (int i = 0; i < CodecBox->count(); ++i) {
    const int codec = CodecBox->itemData(i).toInt();
    if (kCodecs[codec].codec == preset.codec) CodecBox->setCurrentIndex(i);
  }
  BitrateBox->setValue(0);
  quality_ = preset.quality;
  applying_ = false;
}

void ExportVideoDialog::ChoiceChanged() {
  if (applying_) return;
  // The preset's quality belongs to its codec.
  quality_.reset();
  PresetBox->setCurrentIndex(0);
}

void ExportVideoDialog::BrowseClick() {
  FileDialogOptions o;
  o.title = tr(kCaption);
  o.filter = QString::fromUtf8(kVideoFilter);
  o.defaultSuffix = QStringLiteral("mp4");
  const QFileInfo current(FileName());
  o.directory = current.absolutePath();
  o.fileName = current.fileName();
  // Replacing a file is asked about once, when the export starts.
  o.overwritePrompt = false;
  if (const std::optional<QString> chosen = dialogs_.SaveFile(this, o)) FileEdit->setText(*chosen);
}

void ExportVideoDialog::accept() {
  const QString name = FileName();
  const Result<void> usable =
      name.isEmpty()
          ? Fail(ErrorKind::Refused,
                 QT_TRANSLATE_NOOP("lrw::Messages", "Please enter the name of the video file."))
          : CheckExportOptions(name.toStdString(), Options());
  if (!usable) {
    prompts_.Tell(usable.error().message, tr(kCaption).toStdString(), PromptIcon::Warning);
    FileEdit->setFocus();
    return;
  }
  QDialog::accept();
}

}  // namespace lrw
