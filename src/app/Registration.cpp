#include "app/Registration.h"

#include <cstdio>
#include <string>

#include "app/ServiceFile.h"

namespace lrw {

int UpdateRegistration(AutomationStartMode mode) {
  if (mode != AutomationStartMode::RegServer && mode != AutomationStartMode::UnregServer) return 0;
  const std::filesystem::path folder = ServiceFileFolder();
  std::string error;
  if (folder.empty()) {
    error = "neither XDG_DATA_HOME nor HOME names a folder";
  } else if (mode == AutomationStartMode::UnregServer) {
    if (RemoveServiceFile(ServiceFilePath(folder), error)) return 0;
  } else if (WriteServiceFile(ServiceFilePath(folder), CurrentProgramPath(), error)) {
    return 0;
  }
  std::fprintf(stderr, "lanternreelworks: the automation server's registration: %s\n",
               error.c_str());
  return 1;
}

}  // namespace lrw
