// libFuzzer target for the shortcut (.lnk) reader. Any input either parses into valid
// UTF-8 texts or is refused with one of the reader's own messages; resolving what parsed
// must not fail either.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "shell/ShortcutLink.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

bool IsValidUtf8WithoutZero(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<uint8_t>(s[i]);
    if (c == 0) return false;
    size_t n = 0;
    if (c >= 0x80) {
      if ((c & 0xE0) == 0xC0) {
        n = 1;
      } else if ((c & 0xF0) == 0xE0) {
        n = 2;
      } else if ((c & 0xF8) == 0xF0) {
        n = 3;
      } else {
        return false;
      }
    }
    if (s.size() - i - 1 < n) return false;
    for (size_t k = 1; k <= n; ++k) {
      if ((static_cast<uint8_t>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n + 1;
  }
  return true;
}

bool IsReaderMessage(const char* what) {
  for (const char* m :
       {lrw::kShortcutOpenError, lrw::kShortcutWorkingDirError, lrw::kShortcutTargetError,
        lrw::kShortcutIconError, lrw::kShortcutDescriptionError, lrw::kShortcutArgumentsError}) {
    if (std::strcmp(what, m) == 0) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const lrw::Result<lrw::ShellLinkData> parsed =
      lrw::ParseShellLink(std::span<const uint8_t>(data, size));
  if (!parsed) {
    Check(IsReaderMessage(parsed.error().message.c_str()));
    return 0;
  }
  const lrw::ShellLinkData& link = *parsed;
  for (const std::string* s : {&link.description, &link.relativePath, &link.workingDir,
                               &link.arguments, &link.iconLocation, &link.linkInfoPath}) {
    Check(IsValidUtf8WithoutZero(*s));
  }
  const std::string target = lrw::ResolveShellLinkTarget(link, "/nonexistent-lnk-fuzz");
  Check(target.empty() || target.front() == '/');
  return 0;
}
