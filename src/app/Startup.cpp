#include "app/Startup.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QMetaObject>
#include <QScreen>
#include <cstdio>
#include <filesystem>

#include "app/AutomationServer.h"
#include "app/AutomationSwitches.h"
#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "designer/FileCommands.h"
#include "designer/RunCommands.h"
#include "designer/SlideshowDesignForm.h"
#include "document/Paths.h"
#include "effects/Random.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrompts.h"
#include "shell/SplashForm.h"

namespace lrw {

StartupOptions StartDesigner(SlideshowDesignForm& form, const StartupOptions& options,
                             bool showSplash) {
  StartupOptions o = options;
  ShowEditor& editor = form.Editor();
  // Started only to run the show: it runs once, whatever the file says.
  editor.Memory().runOnce = o.runAndExit;

  if (!o.quietStart && showSplash) {
    form.setEnabled(false);
    RunSplash(&form);
    form.setEnabled(true);
  }

  if (!o.startFile.empty() && IsRegularFile(o.startFile)) {
    LoadShowCommand load(o.startFile);
    editor.Execute(load);
    // A show opened from the command line keeps the plain title until it is saved.
    if (load.Outcome()) {
      if (o.runAndExit || o.runAndStay)
        editor.Execute(RunShowCommand(RunShowCommand::From::Beginning));
    } else {
      o.runAndExit = false;
      o.runAndStay = false;
    }
  } else if (!o.startFile.empty() && o.runAndStay) {
    o.runAndStay = false;
  }
  editor.Memory().runOnce = o.runAndExit;

  editor.Memory().lastPictureFolder = QDir::currentPath().toStdString() + "/";

  // With "/r" the designer is never shown; the caller closes it.
  if (!o.runAndExit && !o.automationStart) {
    form.show();
    form.setEnabled(true);
  }
  return o;
}

int RunProgram(QApplication& app) {
  SingleInstance lock(kInstanceLockName);
  if (!lock.Acquired()) {
    QMessageBox::warning(nullptr,
                         QCoreApplication::translate("lrw::Startup", kAlreadyRunningCaption),
                         QCoreApplication::translate("lrw::Startup", kAlreadyRunningText));
    return 1;
  }
  SeedRandomFromClock();
  QApplication::setWindowIcon(QIcon(":/icons/QRVLICON.svg"));
  QApplication::setApplicationName("Lanternreelworks");

  std::vector<std::string> args;
  const QStringList qargs = QApplication::arguments();
  for (qsizetype i = 1; i < qargs.size(); ++i) args.push_back(qargs[i].toStdString());
  const StartupOptions options = ParseCommandLine(args);
  const AutomationStartMode automationMode = FindAutomationStartMode(args);

  QtPrompts prompts;
  QtDialogs dialogs;
  QSize screen(1024, 768);
  if (QScreen* s = QGuiApplication::primaryScreen()) screen = s->size();
  SlideshowDesignForm form(DesignerServices{prompts, dialogs, screen});
  prompts.setParent(&form);
  // Message boxes and dialogs in the same face and size as the designer.
  QApplication::setFont(form.font());
  const StartupOptions final = StartDesigner(form, options);
  if (final.runAndExit) {
    // The show has run (or there was none to run): close the designer, which asks
    // nothing because nothing was changed, and end.
    form.close();
    return 0;
  }
  // The program ends when the designer closes, also when it never was on screen
  // (started for automation) and other windows are still open.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&form, &SlideshowDesignForm::FormClosed, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  AutomationServer server(automationMode == AutomationStartMode::Automation);
  server.Object().SetTarget(&form.Automation());
  QObject::connect(&form, &SlideshowDesignForm::FormClosed, &server.Object(),
                   &SlideShowOLE::DesignerClosed);
  if (const Result<void> registered = server.Register(QDBusConnection::sessionBus()); !registered)
    std::fprintf(stderr, "lanternreelworks: %s\n", registered.error().message.c_str());
  return app.exec();
}

}  // namespace lrw
