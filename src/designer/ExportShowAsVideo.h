// File > "E&xport as Video...": asks for the file and the options, confirms replacing an
// existing file, exports the show with a progress window and says how it ended.
#pragma once

#include <string>
#include <vector>

#include "document/ShowMusic.h"
#include "document/SlideRecord.h"

class QWidget;

namespace lrw {

class Dialogs;
class Prompts;

// `snapshot` is the show as it is now; the export reads only this copy, so the show may
// change meanwhile. `showFileName` (the show's own file, if any) suggests the video's name.
void ExportShowAsVideo(QWidget* parent, std::vector<SlideRecord> snapshot, Dialogs& dialogs,
                       Prompts& prompts, const std::string& showFileName = {},
                       const ShowMusic& music = {});

}  // namespace lrw
