// The Run menu: the loop flag and running the show full screen.
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>

#include "designer/SlideshowDesignForm.h"
#include "player/SlidePrepForm.h"

namespace lrw {

void TSlideshowDesignForm::WireRunCommands() {
  Loop1 = new QAction(QStringLiteral("&Loop Until Esc Pressed"), this);
  Loop1->setObjectName(QStringLiteral("Loop1"));
  Loop1->setCheckable(true);
  Loop1->setChecked(Document().Loop());
  RunFromStart1 = new QAction(QStringLiteral("Run the Show from the &Beginning"), this);
  RunFromStart1->setObjectName(QStringLiteral("RunFromStart1"));
  RunFromStart1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
  RunFromStart1->setShortcutContext(Qt::WindowShortcut);
  RunFromSelectedSlide1 =
      new QAction(QStringLiteral("Run the Show from the &Selected Slide"), this);
  RunFromSelectedSlide1->setObjectName(QStringLiteral("RunFromSelectedSlide1"));

  Run1->addAction(Loop1);
  Run1->addSeparator();
  Run1->addAction(RunFromStart1);
  Run1->addAction(RunFromSelectedSlide1);
  // The shortcut works while the menu is closed too.
  addAction(RunFromStart1);

  connect(Run1, &QMenu::aboutToShow, this, [this] { Run1Click(); });
  // Closed, the menu leaves the shortcut live: its states were worked out when the menu
  // last opened, perhaps before the show had slides. It is judged when it fires.
  connect(Run1, &QMenu::aboutToHide, this, [this] { RunFromStart1->setEnabled(true); });
  connect(Loop1, &QAction::triggered, this, [this] { Loop1Click(); });
  connect(RunFromStart1, &QAction::triggered, this, [this] {
    if (!Run1->isVisible()) {
      Run1Click();
      const bool enabled = RunFromStart1->isEnabled();
      RunFromStart1->setEnabled(true);
      if (!enabled) return;
    }
    RunFromStart1Click();
  });
  connect(RunFromSelectedSlide1, &QAction::triggered, this,
          [this] { RunFromSelectedSlide1Click(); });
  Run1Click();
  RunFromStart1->setEnabled(true);
}

void TSlideshowDesignForm::Run1Click() {
  const bool hasSlides = Document().Count() > 0;
  Loop1->setChecked(Document().Loop());
  Loop1->setEnabled(hasSlides);
  RunFromStart1->setEnabled(hasSlides);
  RunFromSelectedSlide1->setEnabled(Document().ValidIndex(CurrentIndex()));
}

void TSlideshowDesignForm::Loop1Click() {
  Document().SetLoop(!Document().Loop());
  Loop1->setChecked(Document().Loop());
  Document().SetModified(true);
}

void TSlideshowDesignForm::RunFromStart1Click() {
  // Started only to run the show: it runs once, whatever the file says.
  RunShow(0, Options.RunAndExit ? false : Document().Loop());
}

void TSlideshowDesignForm::RunFromSelectedSlide1Click() {
  RunShow(CurrentIndex(), Document().Loop());
}

bool TSlideshowDesignForm::RunShow(int startIndex, bool loop) {
  // The shortcut can fire while the menu's states are stale.
  if (!Document().ValidIndex(startIndex)) return false;
  {
    TSlidePrepForm player(Document().Slides(), &Services().prompts);
    player.Runner().StartIndex = startIndex;
    player.Runner().LoopShow = loop;
    player.exec();
  }
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  unsetCursor();
  return true;
}

}  // namespace lrw
