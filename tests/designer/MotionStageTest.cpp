// A custom motion placed by a user: "Custom" in the motion list opens the stage with the
// start and end boxes over the picture; the end box dragged there and the show saved is
// what the show file holds when it is read again, and undoing takes the whole
// arrangement back in one step.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QMenu>

#include "arrange/SlidePreviewBackgroundForm.h"
#include "designer/DesignerFixture.h"
#include "document/ShowFile.h"

namespace lrw {
namespace {

class MotionStage : public test::DesignerFixture {};

TEST_F(MotionStage, TheEndBoxDraggedOnTheStageIsWhatTheSavedShowHolds) {
  // A 1600 x 1200 picture fitted to the 1024 x 768 screen: the stage shows it at 0.64.
  QImage picture(1600, 1200, QImage::Format_RGB32);
  picture.fill(QColor(90, 140, 60));
  ASSERT_TRUE(picture.save(dir.filePath("photo.png"), "PNG"));
  SlideRecord slide =
      test::PictureSlide("photo.png", 60, 45, 0xFF3070C0u, dir.path().toStdString() + "/");
  slide.ImageLeft = 0;
  slide.ImageTop = 0;
  slide.ImageWidth = 1024;
  slide.ImageHeight = 768;
  Open({slide, test::BlankSlide(0x000000)});
  ClickCell(0);

  // "Custom", the list's last entry, chosen with the keyboard.
  auto* motion = W<QComboBox>("cbMotion");
  motion->setFocus();
  QTest::keyClick(motion, Qt::Key_End);
  ASSERT_EQ(Doc().SlideAt(0).Motion.kind, MotionKind::Custom);
  auto* stage = qobject_cast<SlidePreviewBackgroundForm*>(form.Stage());
  ASSERT_NE(stage, nullptr) << "the stage opens for placing the framings";
  ASSERT_TRUE(QTest::qWaitForWindowExposed(stage));
  auto* end = stage->findChild<MotionFrameForm*>("MotionEndForm");
  auto* start = stage->findChild<MotionFrameForm*>("MotionStartForm");
  ASSERT_NE(end, nullptr);
  ASSERT_NE(start, nullptr);
  // Not placed before: they start as a zoom into the picture.
  EXPECT_EQ(start->Framing(), (MotionRect{0, 0, 1600, 1200}));
  const MotionRect before = end->Framing();
  EXPECT_LT(before.width, 1600);

  // Dragged from its middle by (-64, -32) stage pixels: (-100, -50) picture pixels.
  const QPoint from = end->mapTo(stage, end->rect().center());
  QWindow* window = stage->windowHandle();
  QTest::mousePress(window, Qt::LeftButton, {}, from);
  QTest::mouseMove(window, from + QPoint(-30, -10));
  QTest::mouseMove(window, from + QPoint(-64, -32));
  QTest::mouseRelease(window, Qt::LeftButton, {}, from + QPoint(-64, -32));
  const MotionRect dragged{before.x - 100, before.y - 50, before.width, before.height};
  EXPECT_EQ(end->Framing(), dragged);

  QMenu* menu = stage->findChild<QMenu*>("PopupMenu1", Qt::FindDirectChildrenOnly);
  ASSERT_NE(menu, nullptr);
  menu->findChild<QAction*>("ExitandSave1")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Stage(); }));
  Action("Save1")->trigger();

  const Result<ShowFileContent> opened = ReadShowFile(Path("show.sho"));
  ASSERT_TRUE(opened && !opened->damage);
  const ShowFileContent& read = *opened;
  ASSERT_EQ(read.slides.size(), 2u);
  const SlideMotion& stored = read.slides[0].Motion;
  EXPECT_EQ(stored.kind, MotionKind::Custom);
  EXPECT_EQ(stored.start, (MotionRect{0, 0, 1600, 1200}));
  EXPECT_EQ(stored.end, dragged);
  EXPECT_EQ(read.slides[0].ImageWidth, 1024) << "the picture's box as it was";
  EXPECT_FALSE(read.slides[1].Motion.Present());

  // One step back: the motion as chosen in the list, not yet placed.
  Action("Undo1")->trigger();
  EXPECT_EQ(Doc().SlideAt(0).Motion.kind, MotionKind::Custom);
  EXPECT_EQ(Doc().SlideAt(0).Motion.end, MotionRect{});
}

}  // namespace
}  // namespace lrw
