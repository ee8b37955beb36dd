// The core's texts in the user's language: the names of the editor's commands and the
// messages the core composes, looked up by the context the core marked them with.
#pragma once

#include <QString>
#include <string>

namespace lrw {

// A command's name, as the Undo and Redo items show it.
QString CommandName(const std::string& name);

// A message or caption of the core. A message composed around a name or a number is
// found by its shape (CoreText.cpp lists them); any other text with no translation shows
// as it is.
QString CoreMessage(const std::string& text);

}  // namespace lrw
