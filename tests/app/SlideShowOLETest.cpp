// The automation object's methods, called directly on a designer with scripted prompts.
#include "app/SlideShowOLE.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "designer/FakeServices.h"
#include "designer/SlideshowDesignForm.h"
#include "document/Bitmap.h"
#include "document/BmpCodec.h"

namespace lrw {
namespace {
namespace fs = std::filesystem;

class SlideShowOLETest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("lrw-ole-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    form_ = std::make_unique<TSlideshowDesignForm>(fakes_.services());
    ole_.WatchDesigner();
  }
  void TearDown() override {
    form_.reset();
    fs::remove_all(dir_);
  }

  std::string WritePicture(const std::string& name) {
    const std::vector<uint8_t> bytes = EncodeBmp(Bitmap(40, 30, 0xFF3060C0u));
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return p.string();
  }

  test::FakeServices fakes_;
  std::unique_ptr<TSlideshowDesignForm> form_;
  TSlideShowOLE ole_;
  fs::path dir_;
};

TEST_F(SlideShowOLETest, EveryMethodOfTheTableIsOnTheBusWithItsParameter) {
  const QMetaObject& mo = TSlideShowOLE::staticMetaObject;
  for (const AutomationMethod& m : kAutomationMethods) {
    const std::string name(m.name);
    const char* parameter = m.parameter == AutomationParameter::Text     ? "QString"
                            : m.parameter == AutomationParameter::Handle ? "uint"
                                                                         : "";
    const std::string signature = name + "(" + parameter + ")";
    const int index = mo.indexOfMethod(signature.c_str());
    ASSERT_GE(index, 0) << signature;
    EXPECT_TRUE(mo.method(index).attributes() & QMetaMethod::Scriptable) << signature;
  }
  EXPECT_STREQ(mo.classInfo(mo.indexOfClassInfo("D-Bus Interface")).value(),
               "Quorvel.SlideShowOLE");
}

TEST_F(SlideShowOLETest, AddSlideFillsTheHiddenDesignerAndShowDesignFormBringsItUp) {
  form_->setEnabled(false);
  form_->setWindowState(Qt::WindowMinimized);
  ole_.AddSlide(QString::fromStdString(WritePicture("one.bmp")));
  EXPECT_EQ(form_->Document().Count(), 1);
  EXPECT_FALSE(form_->isVisible());
  EXPECT_TRUE(form_->Document().Modified());

  ole_.ShowDesignForm();
  EXPECT_TRUE(form_->isVisible());
  EXPECT_TRUE(form_->isEnabled());
  EXPECT_FALSE(form_->isMinimized());
  EXPECT_FALSE(form_->isMaximized());
  EXPECT_EQ(form_->Document().Count(), 1);
}

TEST_F(SlideShowOLETest, CloseServerAsksWithYesAndNoOnlyWhenChanged) {
  ole_.CloseServer();
  EXPECT_TRUE(fakes_.prompts.asked.empty());

  form_->Document().NewBlankSlide(-1);
  form_->StripReset();
  form_->Document().SetModified(true);
  fakes_.prompts.answers = {PromptAnswer::No};
  ole_.CloseServer();
  ASSERT_EQ(fakes_.prompts.asked.size(), 1u);
  EXPECT_EQ(fakes_.prompts.asked[0].text, "Do you want to save your slideshow changes?");
  EXPECT_EQ(fakes_.prompts.asked[0].buttons, PromptButtons::YesNo);
  EXPECT_TRUE(form_->Document().Modified());
  EXPECT_TRUE(SlideshowDesignForm);  // the designer is not closed by it

  const fs::path file = dir_ / "kept.sho";
  form_->Document().SetFileName(file.string());
  fakes_.prompts.answers = {PromptAnswer::Yes};
  ole_.CloseServer();
  EXPECT_EQ(fakes_.prompts.asked.size(), 2u);
  EXPECT_TRUE(fs::exists(file));
  EXPECT_FALSE(form_->Document().Modified());
}

TEST_F(SlideShowOLETest, ControllerHearsOfTheDesignersCloseOnlyWhenIdentified) {
  QSignalSpy messages(&ole_, &TSlideShowOLE::ControllerMessage);
  ole_.IdentifyController(4242);
  EXPECT_EQ(form_->ControllerWindow, 4242u);
  ole_.IdentifyController(77);  // a later controller replaces the first
  EXPECT_EQ(form_->ControllerWindow, 77u);
  form_->close();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0][0].toUInt(), 77u);
  EXPECT_EQ(messages[0][1].toUInt(), kDesignerClosedMessage);

  // A designer closed without a controller sends nothing.
  form_ = std::make_unique<TSlideshowDesignForm>(fakes_.services());
  TSlideShowOLE second;
  second.WatchDesigner();
  QSignalSpy none(&second, &TSlideShowOLE::ControllerMessage);
  form_->close();
  EXPECT_EQ(none.size(), 0);
}

TEST_F(SlideShowOLETest, RunShowOfAMissingOrBrokenFileRunsNothingAndSendsNothing) {
  QSignalSpy messages(&ole_, &TSlideShowOLE::ControllerMessage);
  QSignalSpy closed(form_.get(), &TSlideshowDesignForm::FormClosed);
  QSignalSpy finished(&ole_, &TSlideShowOLE::CallFinished);
  ole_.IdentifyController(5);
  form_->Document().NewBlankSlide(-1);
  form_->StripReset();

  std::ofstream(dir_ / "notes.sho") << "not a show";
  const std::string names[] = {"", (dir_ / "missing.sho").string(), dir_.string(),
                               (dir_ / "notes.sho").string()};
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const int before = finished.size();
    ole_.RunShow(QString::fromStdString(name));
    ASSERT_TRUE(finished.size() > before || finished.wait(5000));
    QTest::qWait(10);
  }
  EXPECT_EQ(messages.size(), 0);
  EXPECT_EQ(closed.size(), 0);
  // Only the file that is not a show was reported (by the designer's own open).
  EXPECT_EQ(fakes_.prompts.asked.size(), 1u);
  EXPECT_EQ(form_->Document().Count(), 1);
}

TEST_F(SlideShowOLETest, InvokeCallsByDispatchIdAndRefusesWhatDoesNotFit) {
  QSignalSpy refused(&ole_, &TSlideShowOLE::CallRefused);
  const struct {
    int id;
    QVariantList args;
    bool accepted;
    uint controller;  // ControllerWindow afterwards
  } cases[] = {
      {5, {QVariant(int(77))}, true, 77},
      {5, {QVariant(uint(4000000000u))}, true, 4000000000u},
      {5, {QVariant(int(-1))}, true, 0xFFFFFFFFu},
      {5, {QVariant(qlonglong(1) << 33)}, false, 0xFFFFFFFFu},
      {5, {QVariant(QStringLiteral("77"))}, false, 0xFFFFFFFFu},
      {5, {}, false, 0xFFFFFFFFu},
      {5, {QVariant(1), QVariant(2)}, false, 0xFFFFFFFFu},
      {9, {}, false, 0xFFFFFFFFu},
      {0, {}, false, 0xFFFFFFFFu},
      {1, {QVariant(12)}, false, 0xFFFFFFFFu},
      {4, {QVariant(QStringLiteral("x"))}, false, 0xFFFFFFFFu},
      {3, {}, true, 0xFFFFFFFFu},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    const int before = refused.size();
    ole_.Invoke(c.id, c.args);
    EXPECT_EQ(refused.size() == before, c.accepted);
    EXPECT_EQ(form_->ControllerWindow, c.controller);
  }
  EXPECT_TRUE(form_->isVisible());  // id 3 is ShowDesignForm

  ole_.Invoke(1, {QVariant(QString::fromStdString(WritePicture("two.bmp")))});
  EXPECT_EQ(form_->Document().Count(), 1);
  EXPECT_EQ(ole_.GetDispatchId("identifycontroller"), 5);
  EXPECT_EQ(ole_.GetDispatchId("Nothing"), -1);
}

TEST_F(SlideShowOLETest, NothingChangesTheShowWhileTheDesignerIsBusy) {
  QSignalSpy refused(&ole_, &TSlideShowOLE::CallRefused);
  QSignalSpy started(&ole_, &TSlideShowOLE::CallStarted);
  const QString picture = QString::fromStdString(WritePicture("busy.bmp"));
  {
    // A modal window (a message, a dialog, the show) is open.
    QDialog modal;
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    ole_.AddSlide(picture);
    ole_.RunShow(picture);
  }
  {
    // The arrangement stage holds a slide by reference.
    QWidget stage;
    form_->ArrangementStage = &stage;
    ole_.AddSlide(picture);
    form_->ArrangementStage = nullptr;
  }
  EXPECT_EQ(refused.size(), 3);
  EXPECT_EQ(started.size(), 0);
  EXPECT_EQ(form_->Document().Count(), 0);
  // Harmless calls still work, and once free the show can be changed again.
  ole_.IdentifyController(9);
  EXPECT_EQ(form_->ControllerWindow, 9u);
  ole_.AddSlide(picture);
  EXPECT_EQ(form_->Document().Count(), 1);
}

TEST_F(SlideShowOLETest, CallsWithoutADesignerAreRefused) {
  form_.reset();
  QSignalSpy refused(&ole_, &TSlideShowOLE::CallRefused);
  ole_.AddSlide("x.bmp");
  ole_.ShowDesignForm();
  ole_.CloseServer();
  ole_.IdentifyController(3);
  ole_.RunShow("x.sho");
  ASSERT_EQ(refused.size(), 5);
  EXPECT_EQ(refused[0][0].toString(), "The designer window has closed.");
}

}  // namespace
}  // namespace lrw
