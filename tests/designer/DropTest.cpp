// Files dropped on the slide strip become slides after the drop has returned.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <fstream>

#include "designer/DesignerFixture.h"
#include "platform/Translations.h"
#include "shell/DragDropFiles.h"

namespace lrw {
namespace {

class Drop : public test::DesignerFixture {
 protected:
  void SetUp() override {
    DesignerFixture::SetUp();
    Open({test::PictureSlide("first.jpg")});
    ClickCell(0);
  }
  QString Picture(const QString& name) {
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
  }
  QWidget* Target() { return Strip()->viewport(); }
  DragDropFiles* DropTarget() { return form.findChild<DragDropFiles*>(); }

  // Drags `files` over the strip and drops them; returns the drop event's outcome.
  struct Outcome {
    bool enterAccepted;
    Qt::DropAction shown;
    bool dropAccepted;
    Qt::DropAction reported;
  };
  Outcome DragAndDrop(const QStringList& files, Qt::KeyboardModifiers keys = Qt::NoModifier,
                      Qt::MouseButtons buttons = Qt::LeftButton,
                      Qt::DropActions allowed = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& f : files) urls << QUrl::fromLocalFile(f);
    mime.setUrls(urls);
    return DragAndDrop(mime, keys, buttons, allowed);
  }
  Outcome DragAndDrop(const QMimeData& mime, Qt::KeyboardModifiers keys, Qt::MouseButtons buttons,
                      Qt::DropActions allowed) {
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, allowed, &mime, buttons, keys);
    QApplication::sendEvent(Target(), &enter);
    QDragMoveEvent over(at, allowed, &mime, buttons, keys);
    QApplication::sendEvent(Target(), &over);
    QDropEvent drop(QPointF(at), allowed, &mime, Qt::NoButton, keys);
    QApplication::sendEvent(Target(), &drop);
    return {enter.isAccepted(), over.dropAction(), drop.isAccepted(), drop.dropAction()};
  }
};

TEST_F(Drop, DroppedPicturesBecomeSlidesAfterTheDropInReverseOrder) {
  const Outcome o = DragAndDrop({Picture("a.bmp"), Picture("b.bmp")});
  EXPECT_TRUE(o.enterAccepted);
  EXPECT_EQ(o.shown, Qt::CopyAction);
  EXPECT_TRUE(o.dropAccepted);
  EXPECT_EQ(o.reported, Qt::CopyAction);
  EXPECT_EQ(Names(), std::vector<std::string>{"first.jpg"}) << "not while the drop runs";
  QCoreApplication::processEvents();
  EXPECT_EQ(Names(), (std::vector<std::string>{"first.jpg", "b.bmp", "a.bmp"}));
  EXPECT_TRUE(Doc().Modified());
  EXPECT_EQ(Action("Undo1")->text(), "&Undo Drop");
}

TEST_F(Drop, FoldersMissingFilesAndOtherFilesAreLeftOut) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.bmp"));
  std::ofstream(Path("notes.txt")) << "hello";
  DragAndDrop({dir.filePath("folder.bmp"), dir.filePath("notes.txt"), dir.filePath("gone.bmp"),
               Picture("c.bmp")});
  QCoreApplication::processEvents();
  EXPECT_EQ(Names(), (std::vector<std::string>{"first.jpg", "c.bmp"}));
  EXPECT_TRUE(fakes.prompts.asked.empty());
}

TEST_F(Drop, AShortcutThatCannotBeReadIsReportedAndEndsTheDrop) {
  std::ofstream(Path("broken.lnk")) << "not a shortcut";
  DragAndDrop({Picture("a.bmp"), dir.filePath("broken.lnk"), Picture("b.bmp")});
  QCoreApplication::processEvents();
  EXPECT_EQ(Names(), (std::vector<std::string>{"first.jpg", "a.bmp"}));
  ASSERT_EQ(fakes.prompts.asked.size(), 1u);
  EXPECT_EQ(fakes.prompts.asked[0].text, "Unable to open link file");
  EXPECT_EQ(fakes.prompts.asked[0].icon, PromptIcon::Error);
}

TEST_F(Drop, WhileASlideIsArrangedADropIsRefused) {
  W<QPushButton>("btnPreview")->click();
  ASSERT_TRUE(form.Stage());
  const Outcome o = DragAndDrop({Picture("a.bmp")});
  EXPECT_FALSE(o.enterAccepted);
  EXPECT_FALSE(o.dropAccepted);
  QCoreApplication::processEvents();
  EXPECT_EQ(Names(), std::vector<std::string>{"first.jpg"});
  QTest::keyClick(form.Stage(), Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Stage(); }));
  EXPECT_TRUE(DragAndDrop({Picture("b.bmp")}).dropAccepted);
}

TEST_F(Drop, DataWithoutFilesIsRefused) {
  QMimeData mime;
  mime.setText("just text");
  const Outcome o = DragAndDrop(mime, Qt::NoModifier, Qt::LeftButton, Qt::CopyAction);
  EXPECT_FALSE(o.enterAccepted);
  EXPECT_FALSE(o.dropAccepted);
  QCoreApplication::processEvents();
  EXPECT_EQ(Names().size(), 1u);
}

TEST_F(Drop, ARightButtonDropAsksForTheEffect) {
  QStringList shown;
  QString bold;
  auto answer = [&](const QString& pick) {
    QTimer::singleShot(20, [&, pick] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      shown.clear();
      for (QAction* a : menu->actions())
        if (a->isVisible() && !a->isSeparator()) shown << a->text();
      bold = menu->defaultAction() ? menu->defaultAction()->text() : QString();
      for (QAction* a : menu->actions())
        if (a->text() == pick) menu->setActiveAction(a);
      QTest::keyClick(menu, Qt::Key_Return);
    });
  };
  answer("&Abort");
  Outcome o = DragAndDrop({Picture("a.bmp")}, Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(shown, (QStringList{"&Copy Here", "&Move Here", "&Abort"}));
  EXPECT_EQ(bold, "&Copy Here");
  EXPECT_FALSE(o.dropAccepted);
  QCoreApplication::processEvents();
  EXPECT_EQ(Names().size(), 1u) << "a cancelled menu adds nothing";

  // The program's German translation, installed as start-up installs it.
  const Translations german(QLocale(QLocale::German, QLocale::Germany));
  ASSERT_TRUE(german.ProgramTranslated());
  answer("Hierher &verschieben");
  o = DragAndDrop({Picture("b.bmp")}, Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(shown, (QStringList{"Hierher &kopieren", "Hierher &verschieben", "&Abbrechen"}));
  EXPECT_TRUE(o.dropAccepted);
  EXPECT_EQ(o.reported, Qt::CopyAction);
  QCoreApplication::processEvents();
  EXPECT_EQ(Names(), (std::vector<std::string>{"first.jpg", "b.bmp"}));
}

}  // namespace
}  // namespace lrw
