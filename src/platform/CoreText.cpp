#include "platform/CoreText.h"

#include <QCoreApplication>

namespace lrw {

QString CommandName(const std::string& name) {
  return QCoreApplication::translate("lrw::Commands", name.c_str());
}

QString CoreMessage(const std::string& text) {
  return QCoreApplication::translate("lrw::Messages", text.c_str());
}

}  // namespace lrw
