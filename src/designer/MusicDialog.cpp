#include "designer/MusicDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "designer/MusicCommands.h"
#include "export/AudioTrack.h"
#include "platform/Dialogs.h"
#include "player/ResampledSound.h"
#include "player/ShowAudio.h"

namespace lrw {
namespace {

constexpr int kSecondsRole = Qt::UserRole + 1;  // the file's length, -1 when unplayable

QString Clock(double seconds) {
  const int s = static_cast<int>(std::lround(seconds));
  return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

void PostToUiThread(std::function<void()> call) {
  if (QCoreApplication* app = QCoreApplication::instance()) {
    QMetaObject::invokeMethod(app, std::move(call), Qt::QueuedConnection);
  }
}

}  // namespace

MusicDialog::MusicDialog(Dialogs& dialogs, const ShowMusic& music, std::vector<SlideRecord> slides,
                         QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), slides_(std::move(slides)) {
  setObjectName(QStringLiteral("MusicDialog"));
  setWindowTitle(tr("Music"));
  showSeconds_ = ShowSeconds(slides_, kFitEnterSeconds, &SoundFileSeconds);

  List = new QListWidget(this);
  List->setObjectName(QStringLiteral("MusicList"));
  List->setAccessibleName(tr("Music files"));
  List->setMinimumSize(360, 140);
  auto button = [this](const QString& text, const char* name) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    b->setAutoDefault(false);
    return b;
  };
  AddButton = button(tr("&Add..."), "AddButton");
  RemoveButton = button(tr("&Remove"), "RemoveButton");
  UpButton = button(tr("&Up"), "UpButton");
  DownButton = button(tr("&Down"), "DownButton");
  auto* side = new QVBoxLayout;
  for (QPushButton* b : {AddButton, RemoveButton, UpButton, DownButton}) side->addWidget(b);
  side->addStretch();
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(List, 1);
  listRow->addLayout(side);

  VolumeBox = new QSpinBox(this);
  VolumeBox->setObjectName(QStringLiteral("VolumeBox"));
  VolumeBox->setRange(0, 100);
  VolumeBox->setSuffix(QStringLiteral(" %"));
  VolumeBox->setValue(music.volumePercent);
  FadeInBox = new QDoubleSpinBox(this);
  FadeInBox->setObjectName(QStringLiteral("FadeInBox"));
  FadeOutBox = new QDoubleSpinBox(this);
  FadeOutBox->setObjectName(QStringLiteral("FadeOutBox"));
  for (QDoubleSpinBox* box : {FadeInBox, FadeOutBox}) {
    box->setRange(0, kMaxMusicFadeMs / 1000.0);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(tr(" s"));
  }
  FadeInBox->setValue(music.fadeInMs / 1000.0);
  FadeOutBox->setValue(music.fadeOutMs / 1000.0);
  LoopBox = new QCheckBox(tr("&Loop the music on its own"), this);
  LoopBox->setObjectName(QStringLiteral("LoopBox"));
  LoopBox->setChecked(music.loopList);
  auto* settings = new QGridLayout;
  const struct {
    QString text;
    QWidget* field;
  } rows[] = {{tr("&Volume:"), VolumeBox},
              {tr("Fade &in at the start:"), FadeInBox},
              {tr("Fade &out at the end:"), FadeOutBox}};
  int row = 0;
  for (const auto& r : rows) {
    auto* label = new QLabel(r.text, this);
    label->setBuddy(r.field);
    r.field->setAccessibleName(QString(r.text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    settings->addWidget(label, row, 0);
    settings->addWidget(r.field, row++, 1);
  }
  settings->addWidget(LoopBox, row, 0, 1, 2);
  settings->setColumnStretch(2, 1);

  LengthLabel = new QLabel(this);
  LengthLabel->setObjectName(QStringLiteral("LengthLabel"));
  PlayButton = button(tr("&Play"), "PlayButton");
  FitButton = button(tr("&Fit the Show to the Music"), "FitButton");
  auto* actions = new QHBoxLayout;
  actions->addWidget(PlayButton);
  actions->addWidget(FitButton);
  actions->addStretch();

  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(listRow);
  layout->addLayout(settings);
  layout->addWidget(LengthLabel);
  layout->addLayout(actions);
  layout->addWidget(box);

  for (const std::string& track : music.tracks) AddTrack(track);
  if (List->count() > 0) List->setCurrentRow(0);

  connect(AddButton, &QPushButton::clicked, this, &MusicDialog::AddClick);
  connect(RemoveButton, &QPushButton::clicked, this, [this] {
    StopPlaying();
    delete List->takeItem(List->currentRow());
    Refresh();
  });
  connect(UpButton, &QPushButton::clicked, this, [this] { Move(-1); });
  connect(DownButton, &QPushButton::clicked, this, [this] { Move(1); });
  connect(PlayButton, &QPushButton::clicked, this, &MusicDialog::PlayClick);
  connect(FitButton, &QPushButton::clicked, this, [this] {
    fit_ = true;
    accept();
  });
  connect(List, &QListWidget::currentRowChanged, this, &MusicDialog::Refresh);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(this, &QDialog::finished, this, &MusicDialog::StopPlaying);
  Refresh();
}

MusicDialog::~MusicDialog() = default;

ShowMusic MusicDialog::Music() const {
  ShowMusic music;
  for (int i = 0; i < List->count(); ++i) {
    music.tracks.push_back(List->item(i)->data(Qt::UserRole).toString().toStdString());
  }
  music.volumePercent = VolumeBox->value();
  music.fadeInMs = static_cast<int>(std::lround(FadeInBox->value() * 1000));
  music.fadeOutMs = static_cast<int>(std::lround(FadeOutBox->value() * 1000));
  music.loopList = LoopBox->isChecked();
  return music;
}

void MusicDialog::AddTrack(const std::string& path) {
  const auto sound = ResampledSound::Open(path);
  const double seconds =
      sound && (*sound)->Frames() >= 0 ? static_cast<double>((*sound)->Frames()) / kMixRate : -1;
  const QString shown = QFileInfo(QString::fromStdString(path)).fileName();
  auto* item =
      new QListWidgetItem(seconds < 0 ? tr("%1 (cannot be played)").arg(shown)
                                      : QStringLiteral("%1 (%2)").arg(shown, Clock(seconds)),
                          List);
  item->setData(Qt::UserRole, QString::fromStdString(path));
  item->setData(kSecondsRole, seconds);
  item->setToolTip(QString::fromStdString(path));
}

void MusicDialog::AddClick() {
  FileDialogOptions options;
  options.title = tr("Add Music");
  options.filter = tr("All sound files") + QLatin1Char('|') +
                   QString::fromLatin1(kSoundFilePatterns) + QLatin1Char('|') +
                   QStringLiteral("Sound files (*.wav)|*.wav");
  const std::optional<QStringList> files = dialogs_.OpenFiles(this, options);
  if (!files) return;
  for (const QString& file : *files) AddTrack(file.toStdString());
  List->setCurrentRow(List->count() - 1);
  Refresh();
}

void MusicDialog::Move(int by) {
  const int row = List->currentRow();
  const int to = row + by;
  if (row < 0 || to < 0 || to >= List->count()) return;
  StopPlaying();
  QListWidgetItem* item = List->takeItem(row);
  List->insertItem(to, item);
  List->setCurrentRow(to);
  Refresh();
}

void MusicDialog::PlayClick() {
  if (preview_) {
    StopPlaying();
    return;
  }
  const ShowMusic music = Music();
  if (!music.Present()) return;
  // As the show plays it: the fade-in, the volume, the files one after another.
  preview_ = std::make_unique<ShowAudio>(music, &PostToUiThread);
  preview_->Start();
  PlayButton->setText(tr("&Stop"));
  PlayButton->setAccessibleName(tr("Stop"));
}

void MusicDialog::StopPlaying() {
  if (!preview_) return;
  preview_->FadeAway();
  preview_.reset();
  PlayButton->setText(tr("&Play"));
  PlayButton->setAccessibleName(tr("Play"));
}

void MusicDialog::Refresh() {
  const int row = List->currentRow();
  RemoveButton->setEnabled(row >= 0);
  UpButton->setEnabled(row > 0);
  DownButton->setEnabled(row >= 0 && row + 1 < List->count());
  PlayButton->setEnabled(List->count() > 0);
  const bool timed = std::any_of(slides_.begin(), slides_.end(), [](const SlideRecord& s) {
    return s.DurationMode == TimeElapsed;
  });
  FitButton->setEnabled(List->count() > 0 && timed);
  double total = 0;
  for (int i = 0; i < List->count(); ++i) {
    total += std::max(0.0, List->item(i)->data(kSecondsRole).toDouble());
  }
  LengthLabel->setText(tr("Music: %1    Show: %2").arg(Clock(total), Clock(showSeconds_)));
}

}  // namespace lrw
