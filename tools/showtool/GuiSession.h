// Subcommands that draw slides (fonts, captions, pictures through QPainter) need a
// QGuiApplication. showtool runs without a display, so it uses the offscreen platform
// unless the caller chose one.
#pragma once

#include <QGuiApplication>
#include <memory>

namespace lrw::showtool {

class GuiSession {
 public:
  GuiSession();
  ~GuiSession();
  GuiSession(const GuiSession&) = delete;
  GuiSession& operator=(const GuiSession&) = delete;

 private:
  int argc_ = 1;
  char name_[9] = "showtool";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace lrw::showtool
