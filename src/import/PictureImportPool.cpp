#include "import/PictureImportPool.h"

#include <exception>
#include <mutex>

#include "import/LoadPicture.h"

namespace lrw {
namespace {

// A result is a slide with a 60 x 60 thumbnail, about 16 KB; the decoded pictures
// (one a thread) are what takes memory.
constexpr size_t kResultsPerThread = 8;

}  // namespace

PictureImportPool::PictureImportPool(std::vector<std::string> paths, PictureImportSettings settings,
                                     std::function<void()> arrived)
    : paths_(std::move(paths)),
      settings_(std::move(settings)),
      pool_(
          paths_.size(), [this](size_t i) { return Read(i); }, settings_.threads,
          std::move(arrived), kResultsPerThread) {}

PictureImport PictureImportPool::Read(size_t index) {
  const std::string& path = paths_[index];
  auto read = [&] {
    const LoadPictureModule loader;
    return ImportPicture(path, settings_.from, settings_.screenWidth, settings_.screenHeight,
                         loader, settings_.isRemovable, settings_.fitLarger);
  };
  try {
    PictureImport result;
    {
      std::shared_lock shared(alone_);
      result = read();
    }
    const bool failed = !result && result.error().kind == ErrorKind::Failed;
    const int threads = settings_.threads > 0 ? settings_.threads : CoreCount();
    if (failed && threads > 1 && paths_.size() > 1) {
      std::unique_lock exclusive(alone_);
      result = read();
    }
    return result;
  } catch (const std::exception& e) {
    // A worker thread must not end by an exception: the user is told instead.
    return Fail("Unable to read the picture " + path + ": " + e.what() + ".");
  }
}

}  // namespace lrw
