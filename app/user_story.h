// The user story: what a new user does on the first day, played in the stand-in host on fresh data roots
// below the tour's ("<data>/user-story/first-day-…" and "<data>/user-story/empty-folder-…", names with
// accented, CJK and right-to-left letters). It opens the editor, builds a function
// with an Editable Poly page, a vertex level, a selection count, a Ctrl modifier and a double tap, picks a
// host action and writes a custom script for its cases, assigns it to a key, holds the key so that the
// overlay shows the case, runs and undoes it, exports the profile as a zip and imports it into an empty
// data folder, where the key does the same. Each step prints one line and saves
// "story-<nn>-<step>-<theme>.png"; a step that does not do what it should ends the story with a message.
#pragma once

#include "command_line.h"

namespace Talvo {

// True when every step did what it should.
bool RunUserStory(const CommandLine& line);

}  // namespace Talvo
