// What the windows need from the desktop, handed to them so tests can replace it.
#pragma once

#include <QSize>

#include "platform/Dialogs.h"
#include "platform/Prompts.h"

namespace lrw {

class HelpViewer;

struct DesignerServices {
  Prompts& prompts;
  Dialogs& dialogs;
  // The primary screen's size; slides are composed and centred in these pixels.
  QSize screenSize;
};

}  // namespace lrw
