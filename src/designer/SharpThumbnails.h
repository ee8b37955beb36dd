// Strip thumbnails at the screen's device pixels. A show file carries thumbnails of at
// most 60 x 60; on a screen that doubles every pixel they would be drawn enlarged and
// soft. The strip asks here instead: the picture is decoded again at the size the screen
// needs, on worker threads (one per core), and the stored thumbnail is drawn until the
// sharp one is there.
#pragma once

#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <map>
#include <set>
#include <string>

#include "document/SlideRecord.h"

namespace lrw {

class SharpThumbnails : public QObject {
  Q_OBJECT

 public:
  explicit SharpThumbnails(QObject* parent = nullptr);
  ~SharpThumbnails() override;

  // The slide's picture at its thumbnail's size times `ratio` (device pixels per logical
  // pixel), with that ratio set; for a picture slide without a thumbnail, the picture
  // fitted into 60 x 60 logical pixels, at any ratio. Null when the ratio is 1 and the
  // slide has its thumbnail, for a blank slide, when the picture cannot be read, or when
  // it is not made yet (it is asked for then).
  QImage Find(const SlideRecord& slide, qreal ratio);
  // Waits until every picture asked for has been made (tests).
  void WaitForAll();

 signals:
  // A sharp thumbnail has been made; drawing again shows it.
  void Ready();

 private:
  void Store(const std::string& key, const QImage& image);

  QThreadPool pool_;
  std::map<std::string, QImage> made_;  // null image: the picture could not be read
  std::set<std::string> pending_;
};

}  // namespace lrw
