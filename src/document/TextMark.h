// Marks a user-visible text of the core for the translators. The core stays free of the
// toolkit and keeps its English texts; the windows look each one up in the user's
// language by the same context when they show it (platform/CoreText.h).
#pragma once

// Expands to the text itself; the translation tools find the text by this name.
#define LRW_TR_NOOP(context, text) text
