#include "designer/DesignerAutomation.h"

#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "designer/CommandSupport.h"
#include "designer/EditCommands.h"
#include "designer/FileCommands.h"
#include "designer/RunCommands.h"
#include "designer/SlideshowDesignForm.h"

namespace lrw {

Result<void> DesignerAutomation::AddSlide(const std::string& path) {
  AddPictureFilesCommand add({path}, "Add Slides");
  if (!editor_.Execute(add)) return Fail("The designer is busy.");
  if (add.Added() > 0) return {};
  if (add.Problems().empty())
    return Fail("The file " + path + " is not a picture a slide can show.");
  const Error problem = add.Problems().front();
  if (designer_.isVisible()) {
    // The caller has its answer first; the user sees the box as for a picture of their
    // own, once the call is over.
    QPointer<SlideshowDesignForm> designer(&designer_);
    ShowEditor* editor = &editor_;
    QTimer::singleShot(0, &designer_, [designer, editor, problem] {
      if (!designer) return;
      ShowEditor::BusyScope busy(*editor, BusyReason::Modal);
      TellImportProblem(editor->Services().prompts, problem);
    });
  }
  return Fail(problem);
}

bool DesignerAutomation::SaveWouldReplaceDamagedFile() const {
  return lrw::SaveWouldReplaceDamagedFile(editor_);
}

bool DesignerAutomation::ReleaseShow() {
  return QuerySaveChanges(editor_, false, false) != PromptAnswer::Cancel;
}

bool DesignerAutomation::RunShowFile(const std::string& path) {
  LoadShowCommand load(path);
  if (!editor_.Execute(load) || !load.Outcome()) return false;
  QPointer<SlideshowDesignForm> designer(&designer_);
  editor_.Execute(RunShowCommand(RunShowCommand::From::Beginning));
  return designer != nullptr;
}

void DesignerAutomation::ShowDesignForm() {
  SlideshowDesignForm& form = designer_;
  form.setWindowState(form.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  form.showNormal();
  form.raise();
  form.activateWindow();
  if (QWidget* stage = form.Stage()) {
    // The stage keeps the designer until it closes, and stays in front of it.
    stage->raise();
    stage->activateWindow();
    return;
  }
  form.setEnabled(true);
}

void DesignerAutomation::CloseServer() {
  QuerySaveChanges(editor_, false);
}

void DesignerAutomation::CloseDesigner() {
  QMetaObject::invokeMethod(&designer_, "close", Qt::QueuedConnection);
}

bool DesignerAutomation::DesignerVisible() const {
  return designer_.isVisible();
}

}  // namespace lrw
