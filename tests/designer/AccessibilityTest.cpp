// What a screen reader finds in the real windows, read through the toolkit's
// accessibility interface as the desktop's bridge reads it: every control a user can
// operate has a name of its own, the strip's cells say their picture, place and
// selection, the swatch its colour and the stage's boxes where they stand.
#include <QAccessible>
#include <QCheckBox>
#include <QPushButton>
#include <map>
#include <set>

#include "arrange/SlidePreviewBackgroundForm.h"
#include "designer/DesignerFixture.h"
#include "designer/ExportVideoDialog.h"
#include "designer/ModalDriver.h"
#include "designer/MusicDialog.h"
#include "designer/SlideCaptionForm.h"
#include "platform/HelpViewer.h"
#include "platform/QtDialogs.h"
#include "shell/AboutForm.h"

namespace lrw {
namespace {

bool Operable(QAccessible::Role role) {
  using R = QAccessible::Role;
  static const std::set<R> kOperable{
      R::PushButton,   R::CheckBox, R::RadioButton, R::ComboBox, R::Slider,     R::SpinBox,
      R::EditableText, R::List,     R::ListItem,    R::MenuItem, R::ButtonMenu, R::ButtonDropDown};
  return kOperable.count(role) > 0;
}

struct Found {
  QString name;
  QString description;
  QAccessible::State state;
};

void Walk(QAccessibleInterface* node, std::vector<Found>& found, std::vector<std::string>& faults,
          std::map<QString, int>& names) {
  if (!node || !node->isValid() || node->state().invisible) return;
  if (Operable(node->role())) {
    QString name = node->text(QAccessible::Name).trimmed();
    // A list box here is named by its label, as the desktop's bridge relates them; its
    // own name is the entry it shows.
    if (node->role() == QAccessible::ComboBox) {
      const auto labels = node->relations(QAccessible::Label);
      name = labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
      if (!name.isEmpty()) {
        found.push_back({name, {}, node->state()});
        return;
      }
    }
    const QObject* object = node->object();
    const std::string who = (object ? object->objectName().toStdString() + " " : std::string()) +
                            "role " + std::to_string(node->role());
    if (name.isEmpty()) faults.push_back(who + " has no name");
    // Cells of one list are told apart by the list; controls must be by their own name.
    else if (node->role() != QAccessible::ListItem && ++names[name] == 2)
      faults.push_back(who + " shares the name \"" + name.toStdString() + "\"");
    found.push_back({name, node->text(QAccessible::Description), node->state()});
  }
  for (int i = 0; i < node->childCount(); ++i) Walk(node->child(i), found, faults, names);
}

// The window's operable controls; `faults` says which are unnamed or share a name.
std::vector<Found> Audit(QWidget* window, std::vector<std::string>& faults) {
  std::vector<Found> found;
  std::map<QString, int> names;
  Walk(QAccessible::queryAccessibleInterface(window), found, faults, names);
  return found;
}

const Found* Named(const std::vector<Found>& found, const QString& start) {
  for (const Found& f : found)
    if (f.name.startsWith(start)) return &f;
  return nullptr;
}

using Accessibility = test::DesignerFixture;

TEST_F(Accessibility, EveryControlOfEveryWindowHasANameOfItsOwn) {
  Open({test::PictureSlide("beach.jpg"), test::BlankSlide(0x00FF0000),
        test::PictureSlide("hill.png")});
  ClickCell(1);

  std::vector<std::string> faults;
  std::vector<Found> designer = Audit(&form, faults);
  EXPECT_TRUE(faults.empty()) << "designer: " << testing::PrintToString(faults);
  for (const char* name : {"Move left", "Move right", "Delete", "Duplicate", "Insert blank",
                           "Speed", "Seconds", "Slideshow sequence"})
    EXPECT_TRUE(Named(designer, QString::fromLatin1(name))) << name;

  // The cells: picture, place in the show, and which one is selected.
  const Found* blank = Named(designer, "Slide 2 of 3");
  ASSERT_TRUE(blank);
  EXPECT_TRUE(blank->state.selected);
  EXPECT_TRUE(blank->description.contains("Blue")) << blank->description.toStdString();
  const Found* hill = Named(designer, "Slide 3 of 3: hill.png");
  ASSERT_TRUE(hill);
  EXPECT_FALSE(hill->state.selected);
  EXPECT_EQ(hill->description, "/Pics/hill.png");
  // The swatch is no button, but it says the colour it shows.
  EXPECT_EQ(W("lbBackground")->accessibleName(), "Background colour: Blue");

  test::WhenModal<SlideCaptionForm>([&](SlideCaptionForm& e) {
    std::vector<std::string> captionFaults;
    Audit(&e, captionFaults);
    EXPECT_TRUE(captionFaults.empty()) << "caption: " << testing::PrintToString(captionFaults);
    e.CancelButton()->click();
  });
  W<QPushButton>("btnEdit_Caption")->click();

  test::WhenModal<ExportVideoDialog>([&](ExportVideoDialog& d) {
    std::vector<std::string> exportFaults;
    Audit(&d, exportFaults);
    EXPECT_TRUE(exportFaults.empty()) << "export: " << testing::PrintToString(exportFaults);
    d.reject();
  });
  Action("ExportasVideo1")->trigger();

  test::WhenModal<MusicDialog>([&](MusicDialog& d) {
    std::vector<std::string> musicFaults;
    Audit(&d, musicFaults);
    EXPECT_TRUE(musicFaults.empty()) << "music: " << testing::PrintToString(musicFaults);
    d.reject();
  });
  Action("Music1")->trigger();

  // The stage's boxes say what they hold and where, and again after a move by key.
  ClickCell(0);
  W<QPushButton>("btnPreview")->click();
  ASSERT_TRUE(form.Stage());
  QWidget* picture = form.Stage()->findChild<QWidget*>("SlidePreviewForm");
  ASSERT_TRUE(picture);
  std::vector<std::string> stageFaults;
  Audit(form.Stage(), stageFaults);
  EXPECT_TRUE(stageFaults.empty()) << "stage: " << testing::PrintToString(stageFaults);
  const QString before = picture->accessibleName();
  EXPECT_TRUE(before.startsWith("Picture, left ")) << before.toStdString();
  QTest::keyClick(picture, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_NE(picture->accessibleName(), before);
  EXPECT_TRUE(picture->accessibleName().contains(QString::number(picture->width())));
  QTest::keyClick(form.Stage(), Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Stage(); }));
}

// The smaller windows: the colour grid says each colour, help and About name their buttons.
TEST(AccessibleDialogs, ColourHelpAndAboutNameEveryControl) {
  BasicColorDialog colors(Qt::white);
  HelpViewer help;
  AboutForm about;
  for (QWidget* window : std::initializer_list<QWidget*>{&colors, &help, &about}) {
    window->show();
    std::vector<std::string> faults;
    Audit(window, faults);
    EXPECT_EQ(faults, std::vector<std::string>{}) << window->metaObject()->className();
  }
}

}  // namespace
}  // namespace lrw
