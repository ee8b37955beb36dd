// The automation server's methods with their dispatch ids, the one table that both
// the calls by name and the calls by dispatch id are checked against.
#pragma once

#include <array>
#include <string_view>

namespace lrw {

enum class AutomationParameter {
  None,    // no parameter
  Text,    // a file name
  Handle,  // a 32-bit window handle
};

struct AutomationMethod {
  int dispId;
  std::string_view name;
  AutomationParameter parameter;
};

inline constexpr std::array<AutomationMethod, 5> kAutomationMethods{{
    {1, "AddSlide", AutomationParameter::Text},
    {2, "RunShow", AutomationParameter::Text},
    {3, "ShowDesignForm", AutomationParameter::None},
    {4, "CloseServer", AutomationParameter::None},
    {5, "IdentifyController", AutomationParameter::Handle},
}};

// The messages the controller is sent (the first user message number + 1 and + 2).
inline constexpr unsigned kShowFinishedMessage = 1025;
inline constexpr unsigned kDesignerClosedMessage = 1026;

// Null when no method has that id or name. Names are matched without regard to case,
// as late-bound callers may spell them either way.
const AutomationMethod* FindAutomationMethod(int dispId);
const AutomationMethod* FindAutomationMethod(std::string_view name);

}  // namespace lrw
