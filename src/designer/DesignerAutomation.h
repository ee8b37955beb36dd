// The designer as the automation server sees it: the five methods carried out through
// the show editor's commands, the window shown, raised and closed.
#pragma once

#include "designer/AutomationTarget.h"
#include "designer/ShowEditor.h"

class QWidget;

namespace lrw {

class SlideshowDesignForm;

class DesignerAutomation : public AutomationTarget {
 public:
  DesignerAutomation(ShowEditor& editor, SlideshowDesignForm& designer)
      : editor_(editor), designer_(designer) {}

  bool Busy() const override { return editor_.Busy(); }
  Result<void> AddSlide(const std::string& utf8Path) override;
  bool SaveWouldReplaceDamagedFile() const override;
  bool ReleaseShow() override;
  bool RunShowFile(const std::string& utf8Path) override;
  void ShowDesignForm() override;
  void CloseServer() override;
  void CloseDesigner() override;
  bool DesignerVisible() const override;

 private:
  ShowEditor& editor_;
  SlideshowDesignForm& designer_;
};

}  // namespace lrw
