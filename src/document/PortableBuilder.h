// Copying a show's pictures and sounds into one flat folder, so that the folder
// together with a portable show file can be carried to another computer.
#pragma once

#include <string>
#include <vector>

#include "document/SlideRecord.h"

namespace lrw {

struct CopyMediaResult {
  std::string error;                // empty on success: the text to show the user
  std::vector<std::string> copied;  // UTF-8 paths of the files written, in order
  bool ok() const { return error.empty(); }
};

// Copies `source` to `target` byte for byte, creating or replacing the target
// (UTF-8 paths) as a save replaces a file: complete or not at all, and only a file.
// A target that is the source itself is left alone. Returns the error text for the
// user, or an empty string.
std::string CopyMediaFile(const std::string& source, const std::string& target);

// Copies every slide's picture and sound, then every music file (UTF-8 paths), into
// `targetFolder` (UTF-8, ending with "/") under its name exactly as stored, unless a
// file of that name is already there. Stops at the first failure; files copied before
// it stay. A name that is not a plain file name refuses the whole copy before anything
// is written.
CopyMediaResult CopyMediaFiles(const std::vector<SlideRecord>& slides,
                               const std::string& targetFolder,
                               const std::vector<std::string>& music = {});

// Whether `name` (record text, as stored) can stand alone in a portable show's folder:
// not empty, not "." or "..", and without "/" or a zero byte. A backslash is an ordinary
// character of a file name here. Inline: the show file reader uses it too.
inline bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

}  // namespace lrw
