#pragma once

namespace vantor {

// The opening of a run: the maker's logo from kelvo.res (not in the Q start
// mode, nor when that file is unusable), then the title picture until a
// click, Escape, Space or five seconds; then the screen as it was, in the
// game palette.
void runIntro();

}  // namespace vantor
