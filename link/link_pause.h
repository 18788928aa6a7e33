// The link's fixed pauses (between the bytes of a paced write, before a tone's code) go through
// here, so that a program with a window can answer its accessibility bus meanwhile, where the
// whole exchange would otherwise leave a screen reader waiting. A pause is never shorter for it:
// it ends when its time is up, after the handler has returned.
#pragma once

#include <chrono>

namespace link_pause {

// Called once at the start of each pause, on the thread that talks to the port; it must be quick
// and must not talk to a port itself. None is installed unless a program installs one.
using Handler = void (*)();
void setHandler(Handler handler);

void pause(std::chrono::milliseconds time);

}  // namespace link_pause
