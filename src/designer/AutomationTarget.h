// What the automation server drives: the show's owner, seen through the five methods a
// controller may call, and nothing else of the program.
#pragma once

#include <string>

#include "base/Result.h"

namespace lrw {

class AutomationTarget {
 public:
  virtual ~AutomationTarget() = default;

  // A show, the arrangement stage, a message or a dialog is up: calls that would change
  // or replace the show, or ask the user, are refused meanwhile.
  virtual bool Busy() const = 0;
  // Adds the picture as a slide, as the user's "&Add slides" does. Fails with why it was
  // not added; a designer on screen also tells the user.
  virtual Result<void> AddSlide(const std::string& utf8Path) = 0;
  // The show has changes that could only be saved over the damaged file it was read
  // from, which needs the user's agreement: a caller nobody may answer is refused.
  virtual bool SaveWouldReplaceDamagedFile() const = 0;
  // Before a show replaces this one: the save prompt with Yes and No. False when Yes did
  // not lead to a save, so the show must stay.
  virtual bool ReleaseShow() = 0;
  // Opens the show file and runs it from its first slide; returns when it has ended.
  // False when the file did not open (what went wrong has been told).
  virtual bool RunShowFile(const std::string& utf8Path) = 0;
  // The designer in its normal state, visible, in front (and enabled unless the stage
  // is open, which stays in front of it).
  virtual void ShowDesignForm() = 0;
  // The save prompt with Yes and No; nothing when the show is unchanged.
  virtual void CloseServer() = 0;
  // Closes the designer as the user would: the save prompt, then the program ends.
  virtual void CloseDesigner() = 0;
  virtual bool DesignerVisible() const = 0;
};

}  // namespace lrw
