#include "app/AutomationMethods.h"

#include <algorithm>
#include <cctype>

namespace lrw {

const AutomationMethod* FindAutomationMethod(int dispId) {
  for (const AutomationMethod& m : kAutomationMethods) {
    if (m.dispId == dispId) return &m;
  }
  return nullptr;
}

const AutomationMethod* FindAutomationMethod(std::string_view name) {
  for (const AutomationMethod& m : kAutomationMethods) {
    if (m.name.size() == name.size() &&
        std::equal(name.begin(), name.end(), m.name.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) ==
                 std::tolower(static_cast<unsigned char>(b));
        })) {
      return &m;
    }
  }
  return nullptr;
}

}  // namespace lrw
