// Picture files turned into slides on every core: each file is read on a worker thread
// (refusals, the decode, the thumbnail) and the slides are handed out in the order the
// files were given, for the window's thread or a tool to insert.
#pragma once

#include <functional>
#include <shared_mutex>
#include <string>
#include <vector>

#include "document/SlideRecord.h"
#include "import/AddPictureSlide.h"
#include "import/OrderedWorkPool.h"
#include "import/PictureImport.h"

namespace lrw {

struct PictureImportSettings {
  SlideRecord from;  // each slide is built from this (see MakePictureSlide)
  int screenWidth = 1024;
  int screenHeight = 768;
  int threads = 0;                 // one per core when 0
  bool fitLarger = false;          // a picture larger than the screen is fitted inside it
  RemovableDriveTest isRemovable;  // empty: IsOnRemovableDrive
};

class PictureImportPool : public PictureImports {
 public:
  // Starts reading `paths` (UTF-8). `arrived` is called on a worker thread whenever a
  // result is there; it must stay callable until this object is destroyed.
  PictureImportPool(std::vector<std::string> paths, PictureImportSettings settings,
                    std::function<void()> arrived = {});
  // Files not started are not read; those being read are finished and dropped.
  ~PictureImportPool() override = default;

  size_t Count() const override { return pool_.Count(); }
  bool Done() const override { return pool_.Done(); }
  bool NextReady() const override { return pool_.NextReady(); }
  PictureImport TakeNext() override { return pool_.TakeNext(); }

 private:
  PictureImport Read(size_t index);

  const std::vector<std::string> paths_;
  const PictureImportSettings settings_;
  // Reads share GraphicsMagick's memory limits, which count for the whole process:
  // a picture refused while others were being read is read again alone.
  std::shared_mutex alone_;
  OrderedWorkPool<PictureImport> pool_;  // last: its workers use the members above
};

}  // namespace lrw
