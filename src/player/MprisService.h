// The running show as a media player on the session bus (MPRIS 2), so that the desktop's
// media controls, playerctl and phone remotes drive it: Next, Previous, Play, Pause and
// Stop act as the show's own keys, and the slide on screen is the track. It exists only
// while a show runs and takes its name off the bus when it goes.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace lrw {

class SlidePrepForm;

class MprisService : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* kServiceName = "org.mpris.MediaPlayer2.lanternreelworks";
  static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";

  explicit MprisService(SlidePrepForm& form);
  ~MprisService() override;
  MprisService(const MprisService&) = delete;
  MprisService& operator=(const MprisService&) = delete;

  // The bus name taken, empty when the show is not on the bus.
  const QString& ServiceName() const { return serviceName_; }

  // What the player interface reads and does.
  QString PlaybackStatus() const;
  QString LoopStatus() const;
  bool Shuffle() const;
  QVariantMap Metadata() const { return metadata_; }
  qlonglong PositionUs() const;
  bool CanGoNext() const;
  bool CanGoPrevious() const;
  void Next();
  void Previous();
  void Pause();
  void PlayPause();
  void Play();
  void Stop();

 signals:
  void Seeked(qlonglong position);

 private:
  void Update();
  void UpdateMetadata();
  QString WriteArt();
  void RemoveArt();

  SlidePrepForm& form_;
  QString serviceName_;
  QVariantMap published_;  // the properties last announced
  QVariantMap metadata_;
  int shownIndex_ = -1;
  int shownSerial_ = -1;  // the form's count of slides presented, at the last new slide
  int serial_ = 0;        // slides announced, for their pictures' names
  QStringList artFiles_;
  // The slide's playing time: what was played before the last pause, and since.
  qlonglong playedMs_ = 0;
  QElapsedTimer playing_;
};

// org.mpris.MediaPlayer2
class MprisRootAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
  Q_PROPERTY(bool CanQuit READ CanQuit)
  Q_PROPERTY(bool CanRaise READ CanRaise)
  Q_PROPERTY(bool HasTrackList READ HasTrackList)
  Q_PROPERTY(QString Identity READ Identity)
  Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
  Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
  Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)

 public:
  explicit MprisRootAdaptor(MprisService* service) : QDBusAbstractAdaptor(service) {}
  bool CanQuit() const { return false; }
  bool CanRaise() const { return false; }
  bool HasTrackList() const { return false; }
  QString Identity() const;
  QString DesktopEntry() const;
  QStringList SupportedUriSchemes() const { return {}; }
  QStringList SupportedMimeTypes() const { return {}; }

 public slots:
  void Raise() {}
  void Quit() {}
};

// org.mpris.MediaPlayer2.Player
class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
  Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
  Q_PROPERTY(QString LoopStatus READ LoopStatus)
  Q_PROPERTY(double Rate READ Rate)
  Q_PROPERTY(bool Shuffle READ Shuffle)
  Q_PROPERTY(QVariantMap Metadata READ Metadata)
  Q_PROPERTY(double Volume READ Volume)
  Q_PROPERTY(qlonglong Position READ Position)
  Q_PROPERTY(double MinimumRate READ Rate)
  Q_PROPERTY(double MaximumRate READ Rate)
  Q_PROPERTY(bool CanGoNext READ CanGoNext)
  Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
  Q_PROPERTY(bool CanPlay READ CanControl)
  Q_PROPERTY(bool CanPause READ CanControl)
  Q_PROPERTY(bool CanSeek READ CanSeek)
  Q_PROPERTY(bool CanControl READ CanControl)

 public:
  explicit MprisPlayerAdaptor(MprisService* service);
  QString PlaybackStatus() const { return service_->PlaybackStatus(); }
  QString LoopStatus() const { return service_->LoopStatus(); }
  double Rate() const { return 1.0; }
  bool Shuffle() const { return service_->Shuffle(); }
  QVariantMap Metadata() const { return service_->Metadata(); }
  double Volume() const { return 1.0; }
  qlonglong Position() const { return service_->PositionUs(); }
  bool CanGoNext() const { return service_->CanGoNext(); }
  bool CanGoPrevious() const { return service_->CanGoPrevious(); }
  bool CanSeek() const { return false; }
  bool CanControl() const { return true; }

 public slots:
  void Next() { service_->Next(); }
  void Previous() { service_->Previous(); }
  void Pause() { service_->Pause(); }
  void PlayPause() { service_->PlayPause(); }
  void Stop() { service_->Stop(); }
  void Play() { service_->Play(); }
  // A slide's time cannot be moved: the show runs by its own clock.
  void Seek(qlonglong /*offset*/) {}
  void SetPosition(const QDBusObjectPath& /*track*/, qlonglong /*position*/) {}
  void OpenUri(const QString& /*uri*/) {}

 signals:
  void Seeked(qlonglong Position);

 private:
  MprisService* service_;
};

}  // namespace lrw
