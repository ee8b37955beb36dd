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

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("MusicList"));
  list_->setAccessibleName(tr("Music files"));
  list_->setMinimumSize(360, 140);
  auto button = [this](const QString& text, const char* name) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    b->setAutoDefault(false);
    return b;
  };
  addButton_ = button(tr("&Add..."), "AddButton");
  removeButton_ = button(tr("&Remove"), "RemoveButton");
  upButton_ = button(tr("&Up"), "UpButton");
  downButton_ = button(tr("&Down"), "DownButton");
  auto* side = new QVBoxLayout;
  for (QPushButton* b : {addButton_, removeButton_, upButton_, downButton_}) side->addWidget(b);
  side->addStretch();
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(list_, 1);
  listRow->addLayout(side);

  volumeBox_ = new QSpinBox(this);
  volumeBox_->setObjectName(QStringLiteral("VolumeBox"));
  volumeBox_->setRange(0, 100);
  volumeBox_->setSuffix(QStringLiteral(" %"));
  volumeBox_->setValue(music.volumePercent);
  fadeInBox_ = new QDoubleSpinBox(this);
  fadeInBox_->setObjectName(QStringLiteral("FadeInBox"));
  fadeOutBox_ = new QDoubleSpinBox(this);
  fadeOutBox_->setObjectName(QStringLiteral("FadeOutBox"));
  for (QDoubleSpinBox* box : {fadeInBox_, fadeOutBox_}) {
    box->setRange(0, kMaxMusicFadeMs / 1000.0);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(tr(" s"));
  }
  fadeInBox_->setValue(music.fadeInMs / 1000.0);
  fadeOutBox_->setValue(music.fadeOutMs / 1000.0);
  loopBox_ = new QCheckBox(tr("&Loop the music on its own"), this);
  loopBox_->setObjectName(QStringLiteral("LoopBox"));
  loopBox_->setChecked(music.loopList);
  auto* settings = new QGridLayout;
  const struct {
    QString text;
    QWidget* field;
  } rows[] = {{tr("&Volume:"), volumeBox_},
              {tr("Fade &in at the start:"), fadeInBox_},
              {tr("Fade &out at the end:"), fadeOutBox_}};
  int row = 0;
  for (const auto& r : rows) {
    auto* label = new QLabel(r.text, this);
    label->setBuddy(r.field);
    r.field->setAccessibleName(QString(r.text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    settings->addWidget(label, row, 0);
    settings->addWidget(r.field, row++, 1);
  }
  settings->addWidget(loopBox_, row, 0, 1, 2);
  settings->setColumnStretch(2, 1);

  lengthLabel_ = new QLabel(this);
  lengthLabel_->setObjectName(QStringLiteral("LengthLabel"));
  playButton_ = button(tr("&Play"), "PlayButton");
  fitButton_ = button(tr("&Fit the Show to the Music"), "FitButton");
  auto* actions = new QHBoxLayout;
  actions->addWidget(playButton_);
  actions->addWidget(fitButton_);
  actions->addStretch();

  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(listRow);
  layout->addLayout(settings);
  layout->addWidget(lengthLabel_);
  layout->addLayout(actions);
  layout->addWidget(box);

  for (const std::string& track : music.tracks) AddTrack(track);
  if (list_->count() > 0) list_->setCurrentRow(0);

  connect(addButton_, &QPushButton::clicked, this, &MusicDialog::AddTracks);
  connect(removeButton_, &QPushButton::clicked, this, [this] {
    StopPlaying();
    delete list_->takeItem(list_->currentRow());
    Refresh();
  });
  connect(upButton_, &QPushButton::clicked, this, [this] { Move(-1); });
  connect(downButton_, &QPushButton::clicked, this, [this] { Move(1); });
  connect(playButton_, &QPushButton::clicked, this, &MusicDialog::PlayOrStop);
  connect(fitButton_, &QPushButton::clicked, this, [this] {
    fit_ = true;
    accept();
  });
  connect(list_, &QListWidget::currentRowChanged, this, &MusicDialog::Refresh);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(this, &QDialog::finished, this, &MusicDialog::StopPlaying);
  Refresh();
}

MusicDialog::~MusicDialog() = default;

ShowMusic MusicDialog::Music() const {
  ShowMusic music;
  for (int i = 0; i < list_->count(); ++i) {
    music.tracks.push_back(list_->item(i)->data(Qt::UserRole).toString().toStdString());
  }
  music.volumePercent = volumeBox_->value();
  music.fadeInMs = static_cast<int>(std::lround(fadeInBox_->value() * 1000));
  music.fadeOutMs = static_cast<int>(std::lround(fadeOutBox_->value() * 1000));
  music.loopList = loopBox_->isChecked();
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
                          list_);
  item->setData(Qt::UserRole, QString::fromStdString(path));
  item->setData(kSecondsRole, seconds);
  item->setToolTip(QString::fromStdString(path));
}

void MusicDialog::AddTracks() {
  FileDialogOptions options;
  options.title = tr("Add Music");
  options.filter = tr("All sound files") + QLatin1Char('|') +
                   QString::fromLatin1(kSoundFilePatterns) + QLatin1Char('|') +
                   QStringLiteral("Sound files (*.wav)|*.wav");
  const std::optional<QStringList> files = dialogs_.OpenFiles(this, options);
  if (!files) return;
  for (const QString& file : *files) AddTrack(file.toStdString());
  list_->setCurrentRow(list_->count() - 1);
  Refresh();
}

void MusicDialog::Move(int by) {
  const int row = list_->currentRow();
  const int to = row + by;
  if (row < 0 || to < 0 || to >= list_->count()) return;
  StopPlaying();
  QListWidgetItem* item = list_->takeItem(row);
  list_->insertItem(to, item);
  list_->setCurrentRow(to);
  Refresh();
}

void MusicDialog::PlayOrStop() {
  if (preview_) {
    StopPlaying();
    return;
  }
  const ShowMusic music = Music();
  if (!music.Present()) return;
  // As the show plays it: the fade-in, the volume, the files one after another.
  preview_ = std::make_unique<ShowAudio>(music, &PostToUiThread);
  preview_->Start();
  playButton_->setText(tr("&Stop"));
  playButton_->setAccessibleName(tr("Stop"));
}

void MusicDialog::StopPlaying() {
  if (!preview_) return;
  preview_->FadeAway();
  preview_.reset();
  playButton_->setText(tr("&Play"));
  playButton_->setAccessibleName(tr("Play"));
}

void MusicDialog::Refresh() {
  const int row = list_->currentRow();
  removeButton_->setEnabled(row >= 0);
  upButton_->setEnabled(row > 0);
  downButton_->setEnabled(row >= 0 && row + 1 < list_->count());
  playButton_->setEnabled(list_->count() > 0);
  const bool timed = std::any_of(slides_.begin(), slides_.end(), [](const SlideRecord& s) {
    return s.DurationMode == DurationMode::TimeElapsed;
  });
  fitButton_->setEnabled(list_->count() > 0 && timed);
  double total = 0;
  for (int i = 0; i < list_->count(); ++i) {
    total += std::max(0.0, list_->item(i)->data(kSecondsRole).toDouble());
  }
  lengthLabel_->setText(tr("Music: %1    Show: %2").arg(Clock(total), Clock(showSeconds_)));
}

}  // namespace lrw
