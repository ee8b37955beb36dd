#include "app/AutomationSwitches.h"

#include <algorithm>
#include <cctype>

namespace lrw {
namespace {

bool IsSwitch(const std::string& arg, const char* word) {
  if (arg.size() < 2 || (arg[0] != '-' && arg[0] != '/')) return false;
  const std::string_view rest(arg.data() + 1, arg.size() - 1);
  const std::string_view w(word);
  return rest.size() == w.size() &&
         std::equal(rest.begin(), rest.end(), w.begin(), [](char a, char b) {
           return std::toupper(static_cast<unsigned char>(a)) == b;
         });
}

bool HasSwitch(const std::vector<std::string>& args, const char* word) {
  return std::any_of(args.begin(), args.end(),
                     [word](const std::string& a) { return IsSwitch(a, word); });
}

}  // namespace

AutomationStartMode FindAutomationStartMode(const std::vector<std::string>& args) {
  if (HasSwitch(args, "AUTOMATION") || HasSwitch(args, "EMBEDDING")) {
    return AutomationStartMode::Automation;
  }
  if (HasSwitch(args, "REGSERVER")) return AutomationStartMode::RegServer;
  if (HasSwitch(args, "UNREGSERVER")) return AutomationStartMode::UnregServer;
  return AutomationStartMode::Standalone;
}

}  // namespace lrw
