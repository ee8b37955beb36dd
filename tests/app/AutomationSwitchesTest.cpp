#include "app/AutomationSwitches.h"

#include <gtest/gtest.h>

#include "app/AutomationClients.h"
#include "app/AutomationMethods.h"

namespace lrw {
namespace {

TEST(AutomationSwitches, StartModeFromTheCommandLine) {
  using M = AutomationStartMode;
  const struct {
    std::vector<std::string> args;
    M mode;
  } cases[] = {
      {{}, M::Standalone},
      {{"show.sho", "/s"}, M::Standalone},
      {{"/regserver"}, M::RegServer},
      {{"-RegServer"}, M::RegServer},
      {{"/UNREGSERVER"}, M::UnregServer},
      {{"-unregserver", "show.sho"}, M::UnregServer},
      {{"-embedding"}, M::Automation},
      {{"/Embedding"}, M::Automation},
      {{"-AUTOMATION"}, M::Automation},
      // A start for automation wins over registering; registering over removing.
      {{"/regserver", "-embedding"}, M::Automation},
      {{"/unregserver", "/regserver"}, M::RegServer},
      // Only "-" and "/" make a switch, and only the whole word counts.
      {{"regserver"}, M::Standalone},
      {{"\\regserver"}, M::Standalone},
      {{"--regserver"}, M::Standalone},
      {{"/regserverx"}, M::Standalone},
      {{"/reg"}, M::Standalone},
      {{"/"}, M::Standalone},
      {{"/home/u/regserver"}, M::Standalone},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    EXPECT_EQ(FindAutomationStartMode(c.args), c.mode);
  }
}

TEST(AutomationMethods, DispatchIdsAndNames) {
  const struct {
    int id;
    const char* name;
    AutomationParameter parameter;
  } expected[] = {{1, "AddSlide", AutomationParameter::Text},
                  {2, "RunShow", AutomationParameter::Text},
                  {3, "ShowDesignForm", AutomationParameter::None},
                  {4, "CloseServer", AutomationParameter::None},
                  {5, "IdentifyController", AutomationParameter::Handle}};
  ASSERT_EQ(kAutomationMethods.size(), std::size(expected));
  for (const auto& e : expected) {
    SCOPED_TRACE(e.name);
    const AutomationMethod* byId = FindAutomationMethod(e.id);
    ASSERT_NE(byId, nullptr);
    EXPECT_EQ(byId->name, e.name);
    EXPECT_EQ(byId->parameter, e.parameter);
    std::string lower = e.name;
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_EQ(FindAutomationMethod(std::string_view(lower)), byId);
  }
  for (int id : {0, 6, -1}) EXPECT_EQ(FindAutomationMethod(id), nullptr) << id;
  for (const char* name : {"", "AddSlides", "Add", "Invoke"}) {
    EXPECT_EQ(FindAutomationMethod(std::string_view(name)), nullptr) << name;
  }
}

TEST(AutomationClients, IdleOnlyWhenStartedForAutomationWithNoClientAndNoWork) {
  AutomationClients standalone(false);
  EXPECT_FALSE(standalone.Idle());

  AutomationClients c(true);
  EXPECT_TRUE(c.Idle());
  EXPECT_TRUE(c.Add(":1.5"));
  EXPECT_FALSE(c.Add(":1.5"));  // a second call of the same connection is no new client
  EXPECT_TRUE(c.Add(":1.7"));
  EXPECT_EQ(c.Count(), 2u);
  EXPECT_TRUE(c.Remove(":1.5"));
  EXPECT_FALSE(c.Remove(":1.5"));
  EXPECT_FALSE(c.Idle());
  c.CallStarted();  // a show started by the last client outlives its connection
  EXPECT_TRUE(c.Remove(":1.7"));
  EXPECT_FALSE(c.Idle());
  c.CallFinished();
  EXPECT_TRUE(c.Idle());
  c.CallFinished();  // unbalanced ends do not make the count negative
  c.CallStarted();
  EXPECT_FALSE(c.Idle());
}

}  // namespace
}  // namespace lrw
