// The core's texts in the user's language: the names of the editor's commands and the
// messages the core composes, looked up by the context the core marked them with.
#pragma once

#include <QString>
#include <string>

namespace lrw {

// A command's name, as the Undo and Redo items show it.
QString CommandName(const std::string& name);

// A message or caption of the core; a text with no translation (a name in it, say) shows
// as it is.
QString CoreMessage(const std::string& text);

}  // namespace lrw
