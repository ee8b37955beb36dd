// Files dragged onto the slide strip by a real drag: a QDrag started in this process,
// carried by the platform's own drag-and-drop machinery on a virtual X display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDrag>
#include <QImage>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "designer/DesignerFixture.h"

namespace lrw {
namespace {

// Notes whether a drag entered a widget.
class EnterWatch : public QObject {
 public:
  explicit EnterWatch(QWidget* w) : widget_(w) { w->installEventFilter(this); }
  ~EnterWatch() override { widget_->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    entered = entered || e->type() == QEvent::DragEnter;
    return false;
  }
  bool entered = false;

 private:
  QWidget* widget_;
};

class RealDrag : public test::DesignerFixture {
 protected:
  QWidget source;

  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run on an X display";
    DesignerFixture::SetUp();
    Open({test::PictureSlide("first.jpg")});
    ClickCell(0);
    source.setWindowTitle("drag source");
    source.resize(120, 120);
    source.move(0, 0);
    source.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&source));
  }

  QString Picture(const QString& name) {
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
  }

  struct Outcome {
    bool reached = false;         // the strip saw the drag
    QList<Qt::DropAction> shown;  // every change of the strip's answer during the drag
    Qt::DropAction result;        // what the source was told at the end
  };

  // Drags `files` from the source window onto the strip with `keys` held and drops.
  Outcome Drag(const QStringList& files, Qt::DropActions allowed, Qt::KeyboardModifiers keys) {
    auto* mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString& f : files) urls << QUrl::fromLocalFile(f);
    mime->setUrls(urls);
    QDrag* drag = new QDrag(&source);
    drag->setMimeData(mime);
    Outcome outcome{};
    QObject::connect(drag, &QDrag::actionChanged,
                     [&outcome](Qt::DropAction a) { outcome.shown << a; });

    QWindow* from = source.windowHandle();
    const QPoint start = source.rect().center();
    QTest::mousePress(from, Qt::LeftButton, keys, start);
    const QPoint begin = source.mapToGlobal(start);
    QWidget* strip = Strip()->viewport();
    const QPoint end = strip->mapToGlobal(strip->rect().center());
    // The pointer moves and is released inside the drag's own event loop.
    QTimer::singleShot(50, &source, [this, begin, end, keys] {
      for (int step = 1; step <= 5; ++step) {
        QTest::qWait(30);
        MoveTo(begin + (end - begin) * step / 5, keys);
      }
      QWindow* to = form.windowHandle();
      QTest::mouseRelease(to, Qt::LeftButton, keys, to->mapFromGlobal(end));
    });
    EnterWatch watch(strip);
    outcome.result = drag->exec(allowed, Qt::CopyAction);
    outcome.reached = watch.entered;
    QTest::qWait(20);  // the strip adds the files after the drop has returned
    return outcome;
  }

  // A pointer move at a global position, to the window under it.
  void MoveTo(const QPoint& global, Qt::KeyboardModifiers keys) {
    QWindow* window =
        source.geometry().contains(global) ? source.windowHandle() : form.windowHandle();
    QTest::mouseEvent(QTest::MouseMove, window, Qt::NoButton, keys, window->mapFromGlobal(global));
  }
};

TEST_F(RealDrag, TheSourceIsNeverAnsweredMove) {
  struct Case {
    const char* what;
    Qt::DropActions allowed;
    Qt::KeyboardModifiers keys;
    Qt::DropAction result;
    bool added;
  };
  const Case cases[] = {
      {"plain drag", Qt::CopyAction | Qt::MoveAction, Qt::NoModifier, Qt::CopyAction, true},
      {"Shift asks for a move", Qt::CopyAction | Qt::MoveAction, Qt::ShiftModifier, Qt::CopyAction,
       true},
      {"Shift, copy or link", Qt::MoveAction | Qt::LinkAction, Qt::ShiftModifier, Qt::LinkAction,
       true},
      {"a source that only moves", Qt::MoveAction, Qt::NoModifier, Qt::IgnoreAction, false},
      {"a source that only moves, Shift", Qt::MoveAction, Qt::ShiftModifier, Qt::IgnoreAction,
       false},
  };
  std::vector<std::string> expected = Names();
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString name = QString("p%1.bmp").arg(n++);
    const Outcome o = Drag({Picture(name)}, c.allowed, c.keys);
    EXPECT_TRUE(o.reached) << "the drag never reached the strip";
    EXPECT_FALSE(o.shown.contains(Qt::MoveAction));
    EXPECT_EQ(o.result, c.result);
    if (c.added) expected.insert(expected.begin() + 1, name.toStdString());
    EXPECT_EQ(Names(), expected);
  }
  EXPECT_TRUE(fakes.prompts.asked.empty());
}

}  // namespace
}  // namespace lrw
