// The two vector readers through the picture loader: metafiles made by three other
// programs from our SVG drawings against those drawings rendered by librsvg, records
// the converters never write from our own writer, GEM metafiles with every call, and
// hostile files.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "MetafileWriters.h"
#include "PictureFixtures.h"
#include "import/BitmapScaling.h"
#include "import/LoadPicture.h"

namespace lrw {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

std::string FixtureDir() {
  return std::string(LRW_TEST_SOURCE_DIR) + "/tests/import/vector/";
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
  LoadPictureModule loader;
  LoadPictureResult r = loader.LoadPicture(path, LoaderMode::FullSizeMode);
  EXPECT_EQ(StatusOf(r), LoadStatus::Loaded) << test::ErrorText(r);
  return r ? std::move(r->bitmap) : Bitmap();
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
    LoadPictureModule loader;
    const std::string path = FixtureDir() + c.emf;
    // Its own size, a thumbnail drawn at 60 x 60, and the size that covers a box.
    const LoadPictureResult own = loader.LoadPicture(path, LoaderMode::FullSizeMode);
    ASSERT_EQ(StatusOf(own), LoadStatus::Loaded) << test::ErrorText(own);
    EXPECT_TRUE(own->drawing);
    EXPECT_NEAR(own->bitmap.width, reference.width, reference.width / 50 + 1);
    EXPECT_NEAR(own->bitmap.height, reference.height, reference.height / 50 + 1);
    const LoadPictureResult thumb = loader.LoadPicture(path, LoaderMode::ThumbnailMode);
    ASSERT_EQ(StatusOf(thumb), LoadStatus::Loaded);
    EXPECT_EQ(std::max(thumb->bitmap.width, thumb->bitmap.height), kThumbnailSize);
    const LoadPictureResult big =
        loader.LoadPictureForSize(path, 3 * own->fullWidth, own->fullHeight);
    ASSERT_EQ(StatusOf(big), LoadStatus::Loaded);
    EXPECT_GE(big->bitmap.width, 3 * own->fullWidth);
    EXPECT_EQ(big->fullWidth, own->fullWidth);

    const LoadPictureResult fitted =
        loader.LoadPictureForSize(path, reference.width, reference.height);
    ASSERT_EQ(StatusOf(fitted), LoadStatus::Loaded);
    const Bitmap ours = ScaleBitmap(fitted->bitmap, reference.width, reference.height);
    SaveForLooking(ours, c.emf);
    EXPECT_GE(Ssim(ours, reference), 0.95);
    EXPECT_EQ(InkMismatches(ours, reference), "");
  }
}

// A share of an area's pixels near a colour: one pixel with {1, 1}, a pattern between.
struct Probe {
  int x, y, width, height;
  uint32_t color;
  double minShare = 1, maxShare = 1;
};

std::string CheckProbes(const Bitmap& b, const std::vector<Probe>& probes) {
  std::string out;
  for (const Probe& p : probes) {
    int near = 0, all = 0;
    for (int y = p.y; y < p.y + p.height; ++y) {
      for (int x = p.x; x < p.x + p.width; ++x) {
        if (x < 0 || y < 0 || x >= b.width || y >= b.height) continue;
        ++all;
        near += test::ColorDistance(b.at(x, y), p.color) <= 90 ? 1 : 0;
      }
    }
    const double share = all ? static_cast<double>(near) / all : 0;
    if (share < p.minShare - 1e-9 || share > p.maxShare + 1e-9) {
      char text[160];
      std::snprintf(text, sizeof text, " [%d,%d %dx%d %06X: %.2f]", p.x, p.y, p.width, p.height,
                    p.color & 0xFFFFFF, share);
      out += text;
    }
  }
  return out;
}

Bitmap LoadDrawing(const std::string& name, const std::vector<uint8_t>& bytes,
                   LoadPictureResult* result = nullptr) {
  test::TempDir dir;
  const std::string path = dir.File(name);
  test::WriteFile(path, bytes);
  LoadPictureModule loader;
  LoadPictureResult r = loader.LoadPicture(path, LoaderMode::FullSizeMode);
  EXPECT_EQ(StatusOf(r), LoadStatus::Loaded) << test::ErrorText(r);
  if (result) *result = r;
  return r ? std::move(r->bitmap) : Bitmap();
}

constexpr uint32_t kYellow = 0xFFFFFF00u, kPaper = test::kWhite;

// Every VDI call of a GEM metafile, each drawn alone on a 480 x 384 page and looked at
// where it must have drawn and where it must not.
TEST(GemMetafile, EveryCallDrawsWhereItShould) {
  using test::kBlack, test::kBlue, test::kGreen, test::kRed;
  struct Case {
    const char* name;
    std::function<void(test::GemWriter&)> draw;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {"polyline, width, colour, rounded ends",
       [](test::GemWriter& g) {
         g.Call(17, 0, {}, {2}).Call(16, 0, {{9, 0}}).Call(108, 0, {}, {2, 2});
         g.Call(6, 0, {{40, 40}, {400, 40}});
       },
       {{100, 37, 60, 7, kRed}, {100, 50, 60, 5, kPaper}, {36, 40, 2, 1, kRed}}},
      {"dashed line and user line style",
       [](test::GemWriter& g) {
         g.Call(15, 0, {}, {5}).Call(6, 0, {{40, 40}, {400, 40}});
         g.Call(113, 0, {}, {0xFF00}).Call(15, 0, {}, {7}).Call(6, 0, {{40, 80}, {400, 80}});
       },
       {{40, 40, 360, 1, kBlack, 0.3, 0.7}, {40, 80, 360, 1, kBlack, 0.3, 0.7}}},
      {"arrowed line end",
       [](test::GemWriter& g) {
         g.Call(108, 0, {}, {0, 1}).Call(6, 0, {{40, 100}, {300, 100}});
       },
       {{296, 99, 2, 3, kBlack, 0.6, 1}, {45, 98, 2, 1, kPaper}}},
      {"markers: type, height, colour",
       [](test::GemWriter& g) {
         g.Call(18, 0, {}, {4}).Call(19, 0, {{0, 40}}).Call(20, 0, {}, {4});
         g.Call(7, 0, {{100, 100}, {300, 200}});
       },
       {{80, 90, 1, 20, kBlue}, {100, 100, 1, 1, kPaper}, {280, 190, 1, 20, kBlue}}},
      {"filled area, solid, perimeter",
       [](test::GemWriter& g) {
         g.Call(23, 0, {}, {1}).Call(25, 0, {}, {6});
         g.Call(9, 0, {{100, 50}, {300, 50}, {200, 250}});
       },
       {{190, 70, 20, 20, kYellow}, {100, 200, 20, 20, kPaper}}},
      {"hatch, pattern and user pattern fills",
       [](test::GemWriter& g) {
         g.Call(23, 0, {}, {3}).Call(24, 0, {}, {5}).Call(11, 1, {{20, 20}, {140, 140}});
         g.Call(23, 0, {}, {2}).Call(24, 0, {}, {4}).Call(11, 1, {{160, 20}, {280, 140}});
         std::vector<int> rows(16, 0xFF00);
         g.Call(112, 0, {}, rows).Call(23, 0, {}, {4}).Call(11, 1, {{300, 20}, {460, 140}});
       },
       {{30, 30, 100, 100, kBlack, 0.05, 0.5},
        {170, 30, 100, 100, kBlack, 0.3, 0.7},
        {320, 30, 8, 100, kBlack, 0.9, 1},
        {328, 30, 8, 100, kBlack, 0, 0.1}}},
      {"writing modes: a hatch in replace mode hides what is under it, in transparent not",
       [](test::GemWriter& g) {
         g.Call(23, 0, {}, {1}).Call(25, 0, {}, {2}).Call(11, 1, {{20, 20}, {460, 200}});
         g.Call(23, 0, {}, {3}).Call(24, 0, {}, {5}).Call(25, 0, {}, {4});
         g.Call(32, 0, {}, {1}).Call(11, 1, {{40, 40}, {200, 180}});
         g.Call(32, 0, {}, {2}).Call(11, 1, {{260, 40}, {440, 180}});
       },
       {{50, 50, 100, 100, kRed, 0, 0.02}, {270, 50, 100, 100, kRed, 0.4, 0.95}}},
      {"bar without perimeter, rounded boxes",
       [](test::GemWriter& g) {
         g.Call(104, 0, {}, {0}).Call(23, 0, {}, {1}).Call(25, 0, {}, {3});
         g.Call(11, 1, {{20, 20}, {140, 140}});
         g.Call(11, 8, {{160, 20}, {300, 140}});
         g.Call(11, 9, {{320, 20}, {460, 140}});
       },
       {{20, 20, 120, 120, kGreen, 0.97, 1},
        {160, 80, 1, 1, kBlack},
        {161, 21, 3, 3, kPaper},
        {390, 80, 1, 1, kGreen},
        {321, 21, 3, 3, kPaper}}},
      {"circle and ellipse",
       [](test::GemWriter& g) {
         g.Call(23, 0, {}, {1}).Call(25, 0, {}, {2});
         g.Call(11, 4, {{120, 120}, {0, 0}, {60, 0}});
         g.Call(11, 5, {{340, 120}, {100, 40}});
       },
       {{120, 120, 1, 1, kRed},
        {120 + 45, 120 + 45, 1, 1, kPaper},
        {120 + 35, 120 + 35, 1, 1, kRed},
        {120 + 55, 120, 1, 1, kRed},
        {120 + 65, 120, 1, 1, kPaper},
        {340 + 95, 120, 1, 1, kRed},
        {340, 120 + 35, 1, 1, kRed},
        {340, 120 + 45, 1, 1, kPaper}}},
      {"arc, pie slice, elliptic arc and pie (angles counter-clockwise from three o'clock)",
       [](test::GemWriter& g) {
         g.Call(16, 0, {{3, 0}}).Call(11, 2, {{100, 100}, {0, 0}, {0, 0}, {60, 0}}, {0, 900});
         g.Call(23, 0, {}, {1}).Call(25, 0, {}, {2});
         g.Call(11, 3, {{300, 100}, {0, 0}, {0, 0}, {60, 0}}, {0, 900});
         g.Call(11, 6, {{100, 280}, {80, 40}}, {1800, 2700});
         g.Call(11, 7, {{300, 280}, {80, 40}}, {1800, 2700});
       },
       {{100 + 42, 100 - 42, 1, 1, kBlack},
        {100 - 42, 100 + 42, 1, 1, kPaper},
        {300 + 20, 100 - 20, 1, 1, kRed},
        {300 - 20, 100 + 20, 1, 1, kPaper},
        {100 - 80, 283, 2, 1, kBlack, 0.5, 1},
        {100 + 79, 280, 1, 1, kPaper},
        {300 - 30, 280 + 10, 1, 1, kRed},
        {300 + 30, 280 - 10, 1, 1, kPaper}}},
      {"text: height, colour, alignment, rotation, font, effects, point size, justified",
       [](test::GemWriter& g) {
         g.Call(12, 0, {{0, 30}}).Call(22, 0, {}, {2}).Text(40, 60, "Left");
         g.Call(39, 0, {}, {2, 0}).Text(440, 120, "Right");
         g.Call(39, 0, {}, {0, 0}).Call(13, 0, {}, {900}).Call(22, 0, {}, {4});
         g.Text(240, 360, "Rise");
         g.Call(13, 0, {}, {0}).Call(21, 0, {}, {14}).Call(106, 0, {}, {1}).Call(107, 0, {}, {24});
         g.Call(22, 0, {}, {1}).Text(40, 220, "Point");
         std::vector<int> chars = {0, 0};
         for (char c : std::string("Wide")) chars.push_back(c);
         g.Call(11, 10, {{40, 300}, {400, 0}}, chars);
       },
       {{40, 30, 80, 30, kRed, 0.08, 0.7},
        {0, 30, 38, 30, kRed, 0, 0},
        {330, 90, 110, 30, kRed, 0.08, 0.7},
        {442, 90, 38, 30, kRed, 0, 0},
        {210, 290, 30, 70, kBlue, 0.08, 0.7},
        {245, 290, 60, 70, kBlue, 0, 0},
        {40, 195, 100, 25, kBlack, 0.08, 0.8},
        {360, 275, 80, 25, kBlack, 0.03, 0.8}}},
      {"colour table, clipping and an unknown call between",
       [](test::GemWriter& g) {
         g.Call(14, 0, {}, {2, 0, 0, 1000}).Call(23, 0, {}, {1}).Call(25, 0, {}, {2});
         g.Call(250, 7, {{1, 2}, {3, 4}}, {5, 6, 7});
         g.Call(129, 0, {{0, 0}, {240, 384}}, {1}).Call(11, 1, {{20, 20}, {460, 140}});
         g.Call(129, 0, {}, {0}).Call(11, 1, {{20, 200}, {460, 300}});
       },
       {{100, 80, 1, 1, kBlue}, {300, 80, 1, 1, kPaper}, {300, 250, 1, 1, kBlue}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::GemWriter gem(480, 384);
    c.draw(gem);
    LoadPictureResult r;
    const Bitmap b = LoadDrawing("d.gem", gem.Finish(), &r);
    ASSERT_EQ(b.width, 480);
    ASSERT_EQ(b.height, 384);
    SaveForLooking(b, std::string("gem ") + c.name);
    EXPECT_EQ(CheckProbes(b, c.probes), "");
  }
}

// A header without a page size takes the one its escape sets; without either, the extent.
TEST(GemMetafile, SizeFromThePageEscapeOrTheExtent) {
  std::vector<uint8_t> bytes = test::GemWriter(480, 384).Call(5, 101, {}, {1270, 635}).Finish();
  bytes[16] = bytes[17] = bytes[18] = bytes[19] = 0;  // no page size in the header
  LoadPictureResult r;
  LoadDrawing("p.gem", bytes, &r);
  EXPECT_EQ(r->fullWidth, 480);
  EXPECT_EQ(r->fullHeight, 240);
  bytes = test::GemWriter(480, 384).Finish();
  bytes[16] = bytes[17] = bytes[18] = bytes[19] = 0;
  LoadDrawing("e.gem", bytes, &r);
  EXPECT_EQ(r->fullWidth, 480);
  EXPECT_EQ(r->fullHeight, 384);
}

// Records the converters above never wrote, each case on its own 400 x 300 drawing.
TEST(EmfRecords, DrawWhatTheyDescribe) {
  using test::kBlack, test::kBlue, test::kGreen, test::kRed;
  constexpr uint32_t kRedRef = 0x0000FF, kGreenRef = 0x00FF00, kBlueRef = 0xFF0000,
                     kYellowRef = 0x00FFFF;
  constexpr int32_t kNullPen = static_cast<int32_t>(0x80000008u);
  constexpr int32_t kBlackBrush = static_cast<int32_t>(0x80000004u);
  constexpr int32_t kNullBrush = static_cast<int32_t>(0x80000005u);
  struct Case {
    const char* name;
    std::function<void(test::EmfWriter&)> draw;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {"hatched brush on an opaque and a transparent background",
       [&](test::EmfWriter& e) {
         e.Record(39, {1, 2, static_cast<int32_t>(kBlueRef), 4}).Select(1).Record(37, {kNullPen});
         e.Record(25, {static_cast<int32_t>(kRedRef)}).Record(18, {2}).Rectangle(10, 10, 190, 140);
         e.Record(18, {1}).Rectangle(210, 10, 390, 140);
       },
       {{20, 20, 160, 100, kBlue, 0.1, 0.5},
        {20, 20, 160, 100, kRed, 0.5, 0.9},
        {220, 20, 160, 100, kRed, 0, 0},
        {220, 20, 160, 100, kBlue, 0.1, 0.5}}},
      {"stock objects; a deleted or unknown object changes nothing",
       [&](test::EmfWriter& e) {
         e.Record(37, {kNullPen}).Record(37, {kBlackBrush}).Rectangle(0, 0, 100, 100);
         e.SolidBrush(1, kRedRef).Select(1).Record(40, {1}).Rectangle(100, 0, 200, 100);
         e.Select(1).Select(70000).Select(0x7FFFFFFF).Rectangle(200, 0, 300, 100);
         e.Record(37, {kNullBrush}).Record(37, {static_cast<int32_t>(0x80000007u)});
         e.Rectangle(300, 0, 400, 100);
       },
       {{50, 50, 1, 1, kBlack},
        {150, 50, 1, 1, kRed},
        {250, 50, 1, 1, kRed},
        {350, 50, 1, 1, kPaper},
        {300, 50, 1, 1, kBlack}}},
      {"map modes, window and viewport, world transforms",
       [&](test::EmfWriter& e) {
         e.Record(37, {kNullPen}).SolidBrush(1, kRedRef).Select(1);
         e.Record(17, {8}).Record(9, {1000, 1000}).Record(11, {200, 150});
         e.Rectangle(500, 500, 1000, 1000);
         // 0.01 mm with y upwards: 2646 units are 100 pixels.
         e.Record(17, {3}).Record(12, {200, 300}).SolidBrush(2, kGreenRef).Select(2);
         e.Rectangle(0, 0, 2646, 2646);
         e.Record(17, {1}).Record(12, {0, 0}).SolidBrush(3, kBlueRef).Select(3);
         const int32_t two = 0x40000000, zero = 0, hundred = 0x42C80000;  // floats 2, 0, 100
         e.Record(36, {two, zero, zero, two, hundred, zero, 4}).Rectangle(60, 80, 100, 120);
       },
       {{150, 110, 1, 1, kRed},
        {50, 40, 1, 1, kPaper},
        {250, 250, 1, 1, kGreen},
        {250, 150, 1, 1, kPaper},
        {250, 200, 1, 1, kBlue},
        {190, 200, 1, 1, kPaper}}},
      {"save and restore the drawing state",
       [&](test::EmfWriter& e) {
         e.Record(33, {}).SolidBrush(1, kGreenRef).Select(1).Record(33, {});
         e.SolidBrush(2, kRedRef).Select(2).Record(34, {-2}).Rectangle(20, 20, 120, 120);
         e.Record(34, {-5}).Record(34, {3}).Rectangle(200, 20, 300, 120);
       },
       {{70, 70, 1, 1, kPaper}, {20, 70, 1, 1, kBlack}, {250, 70, 1, 1, kPaper}}},
      {"clipping by rectangles, a region and a path",
       [&](test::EmfWriter& e) {
         e.Record(37, {kNullPen}).SolidBrush(1, kRedRef).Select(1);
         e.Record(30, {0, 0, 200, 300}).Record(29, {50, 50, 100, 100}).Rectangle(0, 0, 400, 140);
         e.SolidBrush(2, kBlueRef).Select(2).ClipRegion(220, 20, 300, 100, 5);
         e.Rectangle(0, 0, 400, 140);
         e.Record(59, {}).Record(42, {220, 150, 380, 290}).Record(60, {}).Record(67, {5});
         e.SolidBrush(3, kGreenRef).Select(3).Rectangle(0, 0, 400, 300);
       },
       {{150, 120, 1, 1, kRed},
        {75, 75, 1, 1, kPaper},
        {300, 120, 1, 1, kPaper},
        {250, 50, 1, 1, kBlue},
        {350, 50, 1, 1, kPaper},
        {300, 220, 1, 1, kGreen},
        {224, 154, 1, 1, kPaper},
        {150, 220, 1, 1, kPaper}}},
      {"bitmaps: copy, a mask and its picture for transparency",
       [&](test::EmfWriter& e) {
         e.StretchDib(0, 0, 100, 100, 2, 2, {kRed, kGreen, kBlue, kPaper});
         e.Record(37, {kNullPen}).SolidBrush(1, kYellowRef).Select(1).Rectangle(200, 0, 400, 100);
         e.StretchDib(200, 0, 200, 100, 2, 1, {kBlack, kPaper}, 0x008800C6);
         e.StretchDib(200, 0, 200, 100, 2, 1, {kRed, kBlack}, 0x00EE0086);
       },
       {{25, 25, 1, 1, kRed},
        {75, 25, 1, 1, kGreen},
        {25, 75, 1, 1, kBlue},
        {250, 50, 1, 1, kRed},
        {350, 50, 1, 1, kYellow}}},
      {"text: alignment, escapement, opaque background, spacing array",
       [&](test::EmfWriter& e) {
         e.Font(1, -40, 0, u"Liberation Sans")
             .Select(1)
             .Record(24, {static_cast<int32_t>(kBlueRef)});
         e.Record(18, {1}).Record(22, {24 | 6}).TextOut(200, 100, u"Mid");
         e.Font(2, -40, 900, u"Liberation Serif")
             .Select(2)
             .Record(22, {24})
             .TextOut(100, 290, u"Rise");
         e.Select(1).Record(22, {0}).Record(18, {2}).Record(25, {static_cast<int32_t>(kYellowRef)});
         e.TextOut(200, 200, u"AB", 100);
       },
       {{150, 70, 45, 30, kBlue, 0.08, 0.8},
        {205, 70, 45, 30, kBlue, 0.08, 0.8},
        {150, 112, 100, 20, kBlue, 0, 0},
        {65, 190, 35, 100, kBlue, 0.05, 0.8},
        {102, 190, 40, 100, kBlue, 0, 0},
        {300, 202, 30, 36, kBlue, 0.08, 0.8},
        {240, 202, 50, 36, kYellow, 0.95, 1},
        {330, 202, 60, 36, kYellow, 0.95, 1}}},
      {"fill modes, figures of 16-bit points, arcs and round rectangles",
       [&](test::EmfWriter& e) {
         e.Record(37, {kNullPen}).SolidBrush(1, kRedRef).Select(1);
         const std::vector<std::pair<int, int>> outer = {
             {10, 10}, {110, 10}, {110, 110}, {10, 110}};
         const std::vector<std::pair<int, int>> inner = {{40, 40}, {80, 40}, {80, 80}, {40, 80}};
         e.Record(19, {1}).PolyPolygon16({outer, inner});
         e.Record(19, {2}).PolyPolygon16({{{130, 10}, {230, 10}, {230, 110}, {130, 110}},
                                          {{160, 40}, {200, 40}, {200, 80}, {160, 80}}});
         e.Record(47, {250, 10, 350, 110, 350, 60, 300, 10});  // pie: the upper right quarter
         e.Record(44, {10, 150, 150, 250, 60, 60});
         e.Record(37, {static_cast<int32_t>(0x80000007u)});
         e.Poly16(85, {{200, 200}, {250, 120}, {300, 280}, {350, 200}});
       },
       {{60, 60, 1, 1, kPaper},
        {20, 20, 1, 1, kRed},
        {180, 60, 1, 1, kRed},
        {320, 40, 1, 1, kRed},
        {280, 80, 1, 1, kPaper},
        {80, 200, 1, 1, kRed},
        {12, 152, 1, 1, kPaper},
        {200, 200, 1, 1, kBlack},
        {350, 200, 1, 1, kBlack}}},
      {"pens: a wide flat-ended geometric pen, a dashed cosmetic pen",
       [&](test::EmfWriter& e) {
         // EXTCREATEPEN: geometric, flat ends, 20 wide, red, solid brush.
         e.Record(95, {1, 0, 0, 0, 0, 0x10000 | 0x200, 20, 0, static_cast<int32_t>(kRedRef), 0, 0})
             .Select(1);
         e.Poly16(87, {{50, 50}, {150, 50}});
         e.Pen(2, 1, 0, 0).Select(2).Poly16(87, {{0, 100}, {400, 100}});
       },
       {{60, 42, 80, 16, kRed}, {44, 50, 4, 1, kPaper}, {0, 100, 400, 1, kBlack, 0.6, 0.85}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::EmfWriter emf(400, 300);
    c.draw(emf);
    const Bitmap b = LoadDrawing("d.emf", emf.Finish());
    ASSERT_EQ(b.width, 400);
    ASSERT_EQ(b.height, 300);
    SaveForLooking(b, std::string("emf ") + c.name);
    EXPECT_EQ(CheckProbes(b, c.probes), "");
  }
}

long PeakMemoryKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Files made to exhaust the reader: each is refused with a reason or drawn, within the
// decode limits, in bounded time and without growing the process by half a gigabyte
// (bench/picture_memory.sh measures their memory more closely).
TEST(VectorPictures, HostileFilesAreRefusedOrDrawn) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* refusal;  // nullptr: drawn
  };
  std::vector<Case> cases;
  {
    test::EmfWriter e(100, 100);
    e.DeclareFrame(2000000000, 2000000000);
    cases.push_back({"huge.emf", e.Finish(), "too large"});
  }
  {
    std::vector<uint8_t> b = test::GemWriter(480, 384).Finish();
    b[16] = b[18] = 0xFF, b[17] = b[19] = 0x7F;  // a page of 3.2 m square
    cases.push_back({"huge.gem", b, "too large"});
  }
  {
    std::vector<uint8_t> b = test::EmfWriter(100, 100).Rectangle(10, 10, 90, 90).Finish();
    b[108 + 4] = 0xF0, b[108 + 5] = 0xFF, b[108 + 6] = 0xFF, b[108 + 7] = 0x0F;
    cases.push_back({"long-record.emf", b, nullptr});
    std::vector<uint8_t> g = test::GemWriter(96, 96).Call(6, 0, {{0, 0}, {90, 90}}).Finish();
    g[48 + 2] = 0xFF, g[48 + 3] = 0x7F;  // 32767 points in a short file
    cases.push_back({"long-record.gem", g, nullptr});
  }
  {
    test::EmfWriter e(100, 100);
    e.Select(0xFFFFFFF).Select(0x80000077).Record(40, {-1}).SolidBrush(0xFFFFFFF, 0xFF);
    e.Record(39, {}).Record(37, {}).Rectangle(10, 10, 90, 90);
    cases.push_back({"object-indexes.emf", e.Finish(), nullptr});
  }
  {
    test::EmfWriter e(100, 100);
    for (int i = 0; i < 200000; ++i) e.Record(33, {});
    for (int i = 0; i < 1000; ++i) e.Record(34, {-3});
    cases.push_back({"deep-save.emf", e.Finish(), nullptr});
  }
  {
    test::EmfWriter e(1000, 1000);
    for (int i = 0; i < 1000000; ++i) e.Record(54, {i % 1000, i / 1000 + i % 2});
    cases.push_back({"million-records.emf", e.Finish(), nullptr});
    test::GemWriter g(960, 960);
    for (int i = 0; i < 500000; ++i) g.Call(6, 0, {{i % 960, i / 960}, {i % 960 + 1, i / 960}});
    cases.push_back({"million-records.gem", g.Finish(), nullptr});
  }
  {
    test::EmfWriter e(400, 100);
    e.Font(1, -20, 0, u"Liberation Sans").Select(1);
    e.TextOut(0, 0, std::u16string(4000000, u'W'), 10);
    cases.push_back({"huge-text.emf", e.Finish(), nullptr});
    test::GemWriter g(480, 96);
    g.Call(8, 0, {{0, 50}}, std::vector<int>(30000, 'W'));
    cases.push_back({"huge-text.gem", g.Finish(), nullptr});
  }
  {
    // A character no font has, 40000 pixels tall: the painter kept its box as an image
    // of that size (5.6 GB).
    test::EmfWriter e(100, 100);
    e.Font(1, -40000, 0, u"Liberation Sans").Select(1).TextOut(0, 0, std::u16string{0, 0x700, 0});
    cases.push_back({"huge-missing-glyph.emf", e.Finish(), nullptr});
  }
  {
    test::EmfWriter e(100, 100);
    e.Record(59, {});
    std::vector<std::pair<int, int>> points(1000);
    for (int i = 0; i < 1000; ++i) points[static_cast<size_t>(i)] = {i % 100, (i * 13) % 100};
    for (int i = 0; i < 1100; ++i) e.Poly16(89, points);
    cases.push_back({"endless-path.emf", e.Finish(), "points"});
  }
  // What the fuzz target found: polygons with absurd pens, a polygon two billion units
  // tall (the painter took seconds over its far reaches), an arc fifteen million units
  // wide stroked with a pen two billion wide (5 GB and 34 s before its curve was cut).
  for (const char* name :
       {"slow-polygons-1.emf", "slow-polygons-2.emf", "far-polygon.emf", "far-arc-wide-pen.emf"}) {
    std::ifstream in(FixtureDir() + "fuzz/" + name, std::ios::binary);
    cases.push_back({name, std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}), nullptr});
    ASSERT_FALSE(cases.back().bytes.empty()) << name;
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const long peakBefore = PeakMemoryKb();
    test::TempDir dir;
    const std::string path = dir.File(c.name);
    test::WriteFile(path, c.bytes);
    LoadPictureModule loader;
    for (const LoaderMode mode : {LoaderMode::FullSizeMode, LoaderMode::ThumbnailMode}) {
      const LoadPictureResult r = loader.LoadPicture(path, mode);
      if (c.refusal && (mode == LoaderMode::FullSizeMode || std::string(c.refusal) == "points")) {
        EXPECT_EQ(StatusOf(r), LoadStatus::LoadFailed);
        EXPECT_NE(test::ErrorText(r).find(c.refusal), std::string::npos) << test::ErrorText(r);
        EXPECT_NE(test::ErrorText(r).find(path), std::string::npos) << test::ErrorText(r);
      } else if (!c.refusal) {
        // The sanitizers slow drawing about tenfold: a million records may then meet the
        // drawing's time bound, which must refuse them cleanly.
        if (kSanitized && !r && test::ErrorText(r).find("takes too long") != std::string::npos) {
          continue;
        }
        ASSERT_EQ(StatusOf(r), LoadStatus::Loaded) << test::ErrorText(r);
        EXPECT_FALSE(r->bitmap.empty());
      }
    }
    // As the show draws it on a full HD screen.
    if (!c.refusal) {
      const LoadPictureResult shown = loader.LoadPictureForSize(path, 1920, 1080);
      if (!(kSanitized && test::ErrorText(shown).find("takes too long") != std::string::npos)) {
        EXPECT_EQ(StatusOf(shown), LoadStatus::Loaded) << test::ErrorText(shown);
      }
    }
    EXPECT_LT(PeakMemoryKb() - peakBefore, 500L * 1024);
  }
}

}  // namespace
}  // namespace lrw
