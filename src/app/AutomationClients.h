// Which clients are using the automation server, and whether a program that was
// started for automation should end. A client is one bus connection that has called
// the server; it counts until its connection closes. Calls still being served (a
// show started by RunShow, a save prompt) keep the program alive as well.
#pragma once

#include <set>
#include <string>

namespace lrw {

class AutomationClients {
 public:
  explicit AutomationClients(bool startedForAutomation)
      : startedForAutomation_(startedForAutomation) {}

  // True when `name` was not counted yet.
  bool Add(const std::string& name) { return clients_.insert(name).second; }
  // True when `name` was counted.
  bool Remove(const std::string& name) { return clients_.erase(name) > 0; }
  bool Has(const std::string& name) const { return clients_.count(name) > 0; }
  size_t Count() const { return clients_.size(); }

  void CallStarted() { ++busy_; }
  void CallFinished() {
    if (busy_ > 0) --busy_;
  }
  bool Busy() const { return busy_ > 0; }

  bool StartedForAutomation() const { return startedForAutomation_; }
  // Nobody uses the server and nothing is being served: a program started for
  // automation has no more reason to run.
  bool Idle() const { return startedForAutomation_ && clients_.empty() && busy_ == 0; }

 private:
  bool startedForAutomation_;
  std::set<std::string> clients_;
  int busy_ = 0;
};

}  // namespace lrw
