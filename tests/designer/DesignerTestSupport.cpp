#include "designer/DesignerTestSupport.h"

#include <QAction>
#include <QTest>

#include "designer/FakeServices.h"
#include "designer/SlideshowDesignForm.h"
#include "document/ShowFile.h"
#include "document/SlideShowDocument.h"
#include "support/SlideBuilder.h"

namespace lrw::test {

SlideRecord PictureSlide(const std::string& name, int w, int h, uint32_t pixel,
                         const std::string& folder) {
  return SlideBuilder(FirstSlideDefaults())
      .Picture(folder + name, w * 10, h * 10)
      .Thumbnail(Bitmap(w, h, pixel))
      .Build();
}

SlideRecord BlankSlide(uint32_t background) {
  return SlideBuilder(FirstSlideDefaults()).Background(background).Build();
}

bool WriteShow(const std::string& path, std::vector<SlideRecord> slides, bool loop) {
  SlideShowDocument doc;
  doc.Load(std::move(slides), path, loop);
  return WriteShowFile(doc, path, false).has_value();
}

bool ShowAndOpen(SlideshowDesignForm& form, FakeServices& fakes, const std::string& show) {
  form.show();
  form.activateWindow();
  if (!QTest::qWaitForWindowActive(&form)) return false;
  fakes.dialogs.openFileResults.push_back(QString::fromStdString(show));
  form.findChild<QAction*>(QStringLiteral("Open1"))->trigger();
  return true;
}

QPalette DarkPalette() {
  QPalette p;
  p.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x30));
  p.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
  p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  p.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x36));
  p.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
  p.setColor(QPalette::Button, QColor(0x3c, 0x3c, 0x40));
  p.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
  p.setColor(QPalette::Highlight, QColor(0x2f, 0x65, 0xca));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::ToolTipBase, QColor(0x3c, 0x3c, 0x40));
  p.setColor(QPalette::ToolTipText, QColor(0xe8, 0xe8, 0xe8));
  p.setColor(QPalette::Link, QColor(0x6c, 0xa8, 0xff));
  p.setColor(QPalette::Light, QColor(0x5a, 0x5a, 0x60));
  p.setColor(QPalette::Midlight, QColor(0x48, 0x48, 0x4c));
  p.setColor(QPalette::Mid, QColor(0x30, 0x30, 0x33));
  p.setColor(QPalette::Dark, QColor(0x1a, 0x1a, 0x1c));
  p.setColor(QPalette::Shadow, Qt::black);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    p.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
  }
  return p;
}

}  // namespace lrw::test
