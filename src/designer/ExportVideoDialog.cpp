#include "designer/ExportVideoDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

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

  SizeBox = new QComboBox(this);
  for (const SizePreset& size : kSizes) SizeBox->addItem(tr(size.text));
  SizeBox->setCurrentIndex(kDefaultSize);

  const ExportOptions defaults;
  FpsBox = new QSpinBox(this);
  FpsBox->setRange(kMinVideoFps, kMaxVideoFps);
  FpsBox->setValue(defaults.fps);
  FpsBox->setSuffix(tr(" frames a second"));

  EnterSecondsBox = new QSpinBox(this);
  EnterSecondsBox->setRange(0, 120);
  EnterSecondsBox->setValue(static_cast<int>(defaults.enterSeconds));
  EnterSecondsBox->setSuffix(tr(" seconds"));

  auto* form = new QFormLayout;
  auto* fileLabel = new QLabel(tr("&File:"), this);
  fileLabel->setBuddy(FileEdit);
  form->addRow(fileLabel, fileRow);
  form->addRow(tr("&Size:"), SizeBox);
  form->addRow(tr("&Frame rate:"), FpsBox);
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
  options.fps = FpsBox->value();
  options.enterSeconds = EnterSecondsBox->value();
  return options;
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
  const std::string problem =
      name.isEmpty() ? std::string(QT_TRANSLATE_NOOP("lrw::Messages",
                                                     "Please enter the name of the video file."))
                     : CheckExportOptions(name.toStdString(), Options());
  if (!problem.empty()) {
    prompts_.Tell(problem, tr(kCaption).toStdString(), PromptIcon::Warning);
    FileEdit->setFocus();
    return;
  }
  QDialog::accept();
}

}  // namespace lrw
