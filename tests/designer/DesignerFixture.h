// A designer on scripted prompts and dialogs, with a folder for its files, driven as a
// user drives it: shows are opened with File > Open, widgets are found by their
// objectName, cells are clicked.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include "designer/DesignerTestSupport.h"
#include "designer/FakeServices.h"
#include "designer/SlideStrip.h"
#include "designer/SlideshowDesignForm.h"

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace lrw::test {

// The child of `parent` with that objectName; the test fails when there is none.
template <typename T>
T* Find(const QObject& parent, const QString& name) {
  T* found = parent.findChild<T*>(name);
  EXPECT_NE(found, nullptr) << "no " << name.toStdString();
  return found;
}

class DesignerFixture : public ::testing::Test {
 protected:
  FakeServices fakes;
  QTemporaryDir dir;
  SlideshowDesignForm form{fakes.services()};

  void SetUp() override {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  std::string Path(const std::string& name) const {
    return dir.filePath(QString::fromStdString(name)).toStdString();
  }
  template <typename T = QWidget>
  T* W(const char* name) {
    return Find<T>(form, QString::fromLatin1(name));
  }
  QAction* Action(const char* name) { return W<QAction>(name); }
  SlideStrip* Strip() { return W<SlideStrip>("ImageListBox"); }
  const SlideShowDocument& Doc() const { return form.Editor().Document(); }

  // Writes the slides as a show file and opens it with File > Open.
  void Open(std::vector<SlideRecord> slides, const std::string& name = "show.sho",
            bool loop = false) {
    ASSERT_TRUE(WriteShow(Path(name), std::move(slides), loop));
    fakes.dialogs.openFileResults.push_back(QString::fromStdString(Path(name)));
    Action("Open1")->trigger();
    ASSERT_EQ(Doc().FileName(), Path(name));
  }
  // A click on cell `index` of the strip, with the keys held.
  void ClickCell(int index, Qt::KeyboardModifiers keys = {}) {
    SlideStrip* strip = Strip();
    const QModelIndex cell = strip->model()->index(index, 0);
    strip->scrollTo(cell);
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, keys, strip->visualRect(cell).center());
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const SlideRecord& s : Doc().Slides()) names.push_back(s.PictureName);
    return names;
  }
  std::vector<std::string> StripTexts() {
    std::vector<std::string> texts;
    for (int i = 0; i < Strip()->Count(); ++i) texts.push_back(Strip()->ItemText(i).toStdString());
    return texts;
  }
  std::vector<int> Selected() { return Strip()->SelectedRows(); }
};

}  // namespace lrw::test
