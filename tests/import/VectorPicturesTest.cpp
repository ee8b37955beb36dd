// The two vector readers through the picture loader: metafiles made by three other
// programs from our SVG drawings against those drawings rendered by librsvg, records
// the converters never write from our own writer, GEM metafiles with every call, and
// hostile files.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "MetafileWriters.h"
#include "PictureFixtures.h"
#include "import/BitmapScaling.h"
#include "import/LoadPicture.h"

namespace lrw {
namespace {

// Drawing text needs the fonts of a QGuiApplication.
class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "vector_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};
[[maybe_unused]] ::testing::Environment* const kGui =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

std::string FixtureDir() {
  const char* source = std::getenv("LRW_SOURCE_DIR");
  return std::string(source ? source : ".") + "/tests/import/vector/";
}

double Luma(uint32_t p) {
  return 0.299 * (p >> 16 & 0xFF) + 0.587 * (p >> 8 & 0xFF) + 0.114 * (p & 0xFF);
}

// Mean structural similarity of the luminance over 8 x 8 windows, 4 pixels apart.
double Ssim(const Bitmap& a, const Bitmap& b) {
  constexpr double c1 = 6.5025, c2 = 58.5225;  // (0.01 * 255)^2, (0.03 * 255)^2
  double total = 0;
  int windows = 0;
  for (int y0 = 0; y0 + 8 <= a.height; y0 += 4) {
    for (int x0 = 0; x0 + 8 <= a.width; x0 += 4) {
      double ma = 0, mb = 0, va = 0, vb = 0, cov = 0;
      for (int y = y0; y < y0 + 8; ++y)
        for (int x = x0; x < x0 + 8; ++x) ma += Luma(a.at(x, y)), mb += Luma(b.at(x, y));
      ma /= 64, mb /= 64;
      for (int y = y0; y < y0 + 8; ++y) {
        for (int x = x0; x < x0 + 8; ++x) {
          const double da = Luma(a.at(x, y)) - ma, db = Luma(b.at(x, y)) - mb;
          va += da * da, vb += db * db, cov += da * db;
        }
      }
      va /= 63, vb /= 63, cov /= 63;
      total += ((2 * ma * mb + c1) * (2 * cov + c2)) / ((ma * ma + mb * mb + c1) * (va + vb + c2));
      ++windows;
    }
  }
  return windows ? total / windows : 0;
}

// The cells of a 16 x 12 grid where one picture has ink (is not paper) and the other
// has none: a shape missing or misplaced.
std::string InkMismatches(const Bitmap& ours, const Bitmap& reference) {
  std::string out;
  const int cols = 16, rows = 12;
  for (int cy = 0; cy < rows; ++cy) {
    for (int cx = 0; cx < cols; ++cx) {
      double inkOurs = 0, inkRef = 0;
      const int x0 = cx * ours.width / cols, x1 = (cx + 1) * ours.width / cols;
      const int y0 = cy * ours.height / rows, y1 = (cy + 1) * ours.height / rows;
      for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
          inkOurs += 255 - Luma(ours.at(x, y)) > 40 ? 1 : 0;
          inkRef += 255 - Luma(reference.at(x, y)) > 40 ? 1 : 0;
        }
      }
      const double area = static_cast<double>((x1 - x0) * (y1 - y0));
      // A cell is inked when a twentieth of it is; both must agree unless the cell is
      // on the edge of a shape (between a fiftieth and a fifth of ink in either).
      const bool a = inkOurs / area > 0.05, b = inkRef / area > 0.05;
      const bool edge = (inkOurs / area > 0.02 && inkOurs / area < 0.2) ||
                        (inkRef / area > 0.02 && inkRef / area < 0.2);
      if (a != b && !edge) out += " (" + std::to_string(cx) + "," + std::to_string(cy) + ")";
    }
  }
  return out;
}

Bitmap ReadPng(const std::string& path) {
  TLoadPictureModule loader;
  LoadPictureResult r = loader.LoadPicture(path, FullSizeMode);
  EXPECT_EQ(r.status, Loaded) << r.errorText;
  return std::move(r.bitmap);
}

void SaveForLooking(const Bitmap& b, const std::string& name) {
  if (const char* dir = std::getenv("LRW_VECTOR_OUT"))
    test::WriteWithMagick(b, std::string(dir) + "/" + name + ".png", "PNG");
}

TEST(EmfFixtures, MatchTheDrawingsTheyWereMadeFrom) {
  struct Case {
    const char* emf;
    const char* reference;
  };
  const Case cases[] = {
      {"shapes.inkscape.emf", "shapes.inkscape.png"},
      {"text.inkscape.emf", "text.inkscape.png"},
      {"clip.inkscape.emf", "clip.inkscape.png"},
      {"shapes.libreoffice.emf", "shapes.libreoffice.png"},
      {"text.libreoffice.emf", "text.libreoffice.png"},
      {"clip.libreoffice.emf", "clip.libreoffice.png"},
      {"figure.fig2dev.emf", "figure.png"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.emf);
    const Bitmap reference = ReadPng(FixtureDir() + c.reference);
    ASSERT_FALSE(reference.empty());
    TLoadPictureModule loader;
    const std::string path = FixtureDir() + c.emf;
    // Its own size, a thumbnail drawn at 60 x 60, and the size that covers a box.
    const LoadPictureResult own = loader.LoadPicture(path, FullSizeMode);
    ASSERT_EQ(own.status, Loaded) << own.errorText;
    EXPECT_TRUE(own.drawing);
    EXPECT_NEAR(own.bitmap.width, reference.width, reference.width / 50 + 1);
    EXPECT_NEAR(own.bitmap.height, reference.height, reference.height / 50 + 1);
    const LoadPictureResult thumb = loader.LoadPicture(path, ThumbnailMode);
    ASSERT_EQ(thumb.status, Loaded);
    EXPECT_EQ(std::max(thumb.bitmap.width, thumb.bitmap.height), kThumbnailSize);
    const LoadPictureResult big =
        loader.LoadPictureForSize(path, 3 * own.fullWidth, own.fullHeight);
    ASSERT_EQ(big.status, Loaded);
    EXPECT_GE(big.bitmap.width, 3 * own.fullWidth);
    EXPECT_EQ(big.fullWidth, own.fullWidth);

    const LoadPictureResult fitted =
        loader.LoadPictureForSize(path, reference.width, reference.height);
    ASSERT_EQ(fitted.status, Loaded);
    const Bitmap ours = ScaleBitmap(fitted.bitmap, reference.width, reference.height);
    SaveForLooking(ours, c.emf);
    EXPECT_GE(Ssim(ours, reference), 0.95);
    EXPECT_EQ(InkMismatches(ours, reference), "");
  }
}

}  // namespace
}  // namespace lrw
