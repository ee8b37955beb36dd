// Copying a show's pictures and sounds into one flat folder, so that the folder
// together with a portable show file can be carried to another computer.
#pragma once

#include <string>
#include <vector>

#include "base/Result.h"
#include "document/SlideRecord.h"

namespace lrw {

// Copies `source` to `target` byte for byte, creating or replacing the target
// (UTF-8 paths) as a save replaces a file: complete or not at all, and only a file.
// A target that is the source itself is left alone.
Result<void> CopyMediaFile(const std::string& source, const std::string& target);

// Copies every slide's picture and sound, then every music file (UTF-8 paths), into
// `targetFolder` (UTF-8, ending with "/") under its name exactly as stored, unless a
// file of that name is already there, and gives the UTF-8 paths of the files written, in
// order. A build is one act: at the first failure the files this call copied are
// removed again (never a file that was there before) and the error says so. A name
// that is not a plain file name refuses the whole copy before anything is written.
Result<std::vector<std::string>> CopyMediaFiles(const std::vector<SlideRecord>& slides,
                                                const std::string& targetFolder,
                                                const std::vector<std::string>& music = {});

// Removes the files a build copied (when what followed the copy failed) and returns the
// sentence that tells the user so, to follow the reason of the failure ("" when there
// were none).
std::string RemoveCopiedMedia(const std::vector<std::string>& copied);

// Whether `name` (record text, as stored) can stand alone in a portable show's folder:
// not empty, not "." or "..", and without "/" or a zero byte. A backslash is an ordinary
// character of a file name here. Inline: the show file reader uses it too.
inline bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

}  // namespace lrw
