#include "player/MprisService.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QUrl>

#include "platform/QtText.h"
#include "player/SlidePrepForm.h"

namespace lrw {

namespace {

constexpr const char* kPlayerInterface = "org.mpris.MediaPlayer2.Player";
constexpr const char* kTrackPathPrefix = "/io/github/lanternreelworks/Slide/";
// The desktop's controls may still fetch the previous slide's picture.
constexpr int kArtFilesKept = 2;
// Small, as the controls' pictures are.
constexpr int kArtWidth = 320;

}  // namespace

QString MprisRootAdaptor::Identity() const {
  return QGuiApplication::applicationDisplayName();
}

QString MprisRootAdaptor::DesktopEntry() const {
  return QStringLiteral("io.github.lanternreelworks.Lanternreelworks");
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service), service_(service) {
  connect(service, &MprisService::Seeked, this, &MprisPlayerAdaptor::Seeked);
}

MprisService::MprisService(SlidePrepForm& form) : form_(form) {
  new MprisRootAdaptor(this);
  new MprisPlayerAdaptor(this);
  connect(&form_, &SlidePrepForm::StateChanged, this, &MprisService::Update);
  Update();

  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    qWarning("The show cannot be offered to the desktop's media controls: no session bus.");
    return;
  }
  if (!bus.registerObject(kObjectPath, this)) {
    qWarning("The show cannot be offered to the desktop's media controls: %s",
             qPrintable(bus.lastError().message()));
    return;
  }
  // A second player of ours (another user's session sharing the bus, say) takes the
  // name with an instance suffix, as media players do.
  serviceName_ = QString::fromLatin1(kServiceName);
  if (!bus.registerService(serviceName_)) {
    serviceName_ += QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid());
    if (!bus.registerService(serviceName_)) {
      qWarning("The show cannot be offered to the desktop's media controls: %s",
               qPrintable(bus.lastError().message()));
      serviceName_.clear();
      bus.unregisterObject(kObjectPath);
    }
  }
}

MprisService::~MprisService() {
  if (!serviceName_.isEmpty()) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(serviceName_);
    bus.unregisterObject(kObjectPath);
  }
  RemoveArt();
}

QString MprisService::PlaybackStatus() const {
  const ShowRunner& runner = form_.Runner();
  if (runner.Finished()) return QStringLiteral("Stopped");
  if (form_.Paused() || runner.PauseRequested() || runner.Blank() != ScreenBlank::None) {
    return QStringLiteral("Paused");
  }
  return QStringLiteral("Playing");
}

QString MprisService::LoopStatus() const {
  return form_.Runner().Loops() ? QStringLiteral("Playlist") : QStringLiteral("None");
}

bool MprisService::Shuffle() const {
  return form_.Runner().Shuffled();
}

qlonglong MprisService::PositionUs() const {
  qlonglong ms = playedMs_;
  if (playing_.isValid()) ms += playing_.elapsed();
  return ms * 1000;
}

bool MprisService::CanGoNext() const {
  return form_.Runner().CanGoForward();
}

bool MprisService::CanGoPrevious() const {
  return form_.Runner().CanGoBack();
}

void MprisService::Next() {
  // The pause message gives way to the next slide, as closing it would.
  if (form_.Paused()) {
    form_.ResumeFromPause();
    return;
  }
  if (CanGoNext()) form_.Runner().OnKeyPress(RunnerKey::Right);
}

void MprisService::Previous() {
  if (!form_.Paused() && CanGoPrevious()) form_.Runner().OnKeyPress(RunnerKey::Left);
}

void MprisService::Pause() {
  if (PlaybackStatus() == QLatin1String("Playing")) form_.Runner().OnKeyPress(RunnerKey::P);
}

void MprisService::Play() {
  if (form_.Paused()) {
    form_.ResumeFromPause();
    return;
  }
  // Pressing the blank key again uncovers the slide and its time runs on.
  switch (form_.Runner().Blank()) {
    case ScreenBlank::Black:
      form_.Runner().OnKeyPress(RunnerKey::BlackScreen);
      break;
    case ScreenBlank::White:
      form_.Runner().OnKeyPress(RunnerKey::WhiteScreen);
      break;
    case ScreenBlank::None:
      break;
  }
}

void MprisService::PlayPause() {
  if (PlaybackStatus() == QLatin1String("Playing")) {
    Pause();
  } else {
    Play();
  }
}

void MprisService::Stop() {
  // Under the pause message the end comes once it has closed.
  form_.ResumeFromPause();
  form_.Runner().OnKeyPress(RunnerKey::Escape);
}

void MprisService::Update() {
  const ShowRunner& runner = form_.Runner();
  const bool newSlide =
      runner.SlideReady() && runner.CurrentIndex() >= 0 && form_.SlidesPresented() != shownSerial_;
  const bool wasPlaying = playing_.isValid();
  const bool playing = PlaybackStatus() == QLatin1String("Playing");
  if (newSlide) {
    const bool sameSlideAgain = runner.CurrentIndex() == shownIndex_;
    shownIndex_ = runner.CurrentIndex();
    shownSerial_ = form_.SlidesPresented();
    playedMs_ = 0;
    playing_.invalidate();
    UpdateMetadata();
    // The same slide again (a show of one slide that loops): its time starts anew, which
    // the controls would not notice otherwise.
    if (sameSlideAgain) emit Seeked(0);
  } else if (wasPlaying && !playing) {
    playedMs_ += playing_.elapsed();
    playing_.invalidate();
  }
  if (playing && !playing_.isValid()) playing_.start();

  QVariantMap now;
  now.insert(QStringLiteral("PlaybackStatus"), PlaybackStatus());
  now.insert(QStringLiteral("LoopStatus"), LoopStatus());
  now.insert(QStringLiteral("Metadata"), metadata_);
  now.insert(QStringLiteral("CanGoNext"), CanGoNext());
  now.insert(QStringLiteral("CanGoPrevious"), CanGoPrevious());
  QVariantMap changed;
  for (auto it = now.cbegin(); it != now.cend(); ++it) {
    if (published_.value(it.key()) != it.value()) changed.insert(it.key(), it.value());
  }
  published_ = now;
  if (changed.isEmpty() || serviceName_.isEmpty()) return;
  QDBusMessage signal =
      QDBusMessage::createSignal(kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                 QStringLiteral("PropertiesChanged"));
  signal << QString::fromLatin1(kPlayerInterface) << changed << QStringList();
  QDBusConnection::sessionBus().send(signal);
}

void MprisService::UpdateMetadata() {
  const ShowRunner& runner = form_.Runner();
  const int count = static_cast<int>(runner.Slides().size());
  const int index = runner.CurrentIndex();
  if (index < 0 || index >= count) return;
  const SlideRecord& slide = runner.Slides()[static_cast<size_t>(index)];
  ++serial_;

  QVariantMap m;
  // One track per slide; its picture file is new on every showing, so that the controls
  // never show a stale one.
  m.insert(QStringLiteral("mpris:trackid"),
           QVariant::fromValue(
               QDBusObjectPath(QStringLiteral("%1%2").arg(kTrackPathPrefix).arg(index + 1))));
  QString title = FromCp1252(slide.PictureName);
  if (title.isEmpty()) title = tr("Slide %1").arg(index + 1);
  m.insert(QStringLiteral("xesam:title"), title);
  if (!form_.ShowName().isEmpty()) m.insert(QStringLiteral("xesam:album"), form_.ShowName());
  m.insert(QStringLiteral("xesam:trackNumber"), index + 1);
  m.insert(QStringLiteral("xesam:comment"),
           QStringList{tr("Slide %1 of %2").arg(index + 1).arg(count)});
  if (slide.DurationMode == DurationMode::TimeElapsed) {
    m.insert(QStringLiteral("mpris:length"), qlonglong{slide.ExtraSeconds} * 1000000);
  }
  const QString art = WriteArt();
  if (!art.isEmpty()) m.insert(QStringLiteral("mpris:artUrl"), QUrl::fromLocalFile(art).toString());
  metadata_ = m;
}

QString MprisService::WriteArt() {
  if (form_.ShownSlidePicture().isNull()) return {};
  const QImage picture =
      form_.ShownSlidePicture().scaledToWidth(kArtWidth, Qt::SmoothTransformation);
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) return {};
  const QString path = QStringLiteral("%1/lanternreelworks-%2-slide-%3.png")
                           .arg(folder)
                           .arg(QCoreApplication::applicationPid())
                           .arg(serial_);
  if (!picture.save(path, "PNG")) {
    qWarning("The slide's picture for the media controls cannot be written to %s",
             qPrintable(path));
    return {};
  }
  artFiles_.append(path);
  while (artFiles_.size() > kArtFilesKept) QFile::remove(artFiles_.takeFirst());
  return path;
}

void MprisService::RemoveArt() {
  for (const QString& path : artFiles_) QFile::remove(path);
  artFiles_.clear();
}

}  // namespace lrw
