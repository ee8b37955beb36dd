#include "app/Registration.h"

#include <cstdio>
#include <string>

#include "app/ServiceFile.h"

namespace lrw {

int UpdateRegistration(AutomationStartMode mode) {
  if (mode != AutomationStartMode::RegServer && mode != AutomationStartMode::UnregServer) return 0;
  const std::filesystem::path folder = ServiceFileFolder();
  const Result<void> done =
      folder.empty() ? Fail("neither XDG_DATA_HOME nor HOME names a folder")
      : mode == AutomationStartMode::UnregServer
          ? RemoveServiceFile(ServiceFilePath(folder))
          : WriteServiceFile(ServiceFilePath(folder), CurrentProgramPath());
  if (done) return 0;
  std::fprintf(stderr, "lanternreelworks: the automation server's registration: %s\n",
               done.error().message.c_str());
  return 1;
}

}  // namespace lrw
