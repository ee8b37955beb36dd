// The core's texts in the user's language: the names of the editor's commands and the
// messages the core composes, looked up by the context and wording the core marked them
// with.
#pragma once

#include <QString>
#include <string>

#include "document/TextMark.h"

namespace lrw {

// A command's name, as the Undo and Redo items show it.
QString CommandName(const std::string& name);

// A message the core composed, by its wording, with its arguments (themselves shown
// this way) where the translation puts them.
QString ShownText(const MarkedText& text);

// A fixed message or caption of the core, looked up whole; a text with no translation
// shows as it is. The sound files' messages of the player, which still reach the
// windows as English text, are found by their shape (CoreText.cpp).
QString CoreMessage(const std::string& text);

}  // namespace lrw
