// Program entry and the designer's start-up: the single-instance lock, the
// application's identity, the command line, the splash, the start file and the
// "/r" and "/c" runs.
#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

#include "app/StartupOptions.h"

class QApplication;

namespace lrw {

class SlideshowDesignForm;

inline constexpr const char* kInstanceLockName = "Lanternreelworks!";
inline constexpr const char* kAlreadyRunningText =
    QT_TRANSLATE_NOOP("lrw::Startup", "Lanternreelworks! is already running.!");
inline constexpr const char* kAlreadyRunningCaption =
    QT_TRANSLATE_NOOP("lrw::Startup", "Already Running");

// Runs the program until the designer closes; returns the exit status.
int RunProgram(QApplication& app);

// The designer start-up steps that follow the window's creation: splash, start
// file, the run at once, and whether and how the designer is shown.
// Returns the options as start-up leaves them ("/r" and "/c" are dropped when the
// start file is not a show).
StartupOptions StartDesigner(SlideshowDesignForm& form, const StartupOptions& options,
                             bool showSplash = true);

}  // namespace lrw
