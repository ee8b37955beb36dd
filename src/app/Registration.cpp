#include "app/Registration.h"

#include <cstdio>
#include <string>

#include "app/ServiceFile.h"

namespace lrw {

namespace {

Result<void> WriteOrRemoveServiceFile(AutomationStartMode mode) {
  const std::filesystem::path folder = ServiceFileFolder();
  if (folder.empty()) return Fail("neither XDG_DATA_HOME nor HOME names a folder");
  if (mode == AutomationStartMode::UnregServer) return RemoveServiceFile(ServiceFilePath(folder));
  return WriteServiceFile(ServiceFilePath(folder), CurrentProgramPath());
}

}  // namespace

int UpdateRegistration(AutomationStartMode mode) {
  if (mode != AutomationStartMode::RegServer && mode != AutomationStartMode::UnregServer) return 0;
  const Result<void> done = WriteOrRemoveServiceFile(mode);
  if (done) return 0;
  std::fprintf(stderr, "lanternreelworks: the automation server's registration: %s\n",
               done.error().message.c_str());
  return 1;
}

}  // namespace lrw
