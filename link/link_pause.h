// The link's fixed pauses (between the bytes of a paced write, before a tone's code) and its
// waits for a reply go through here, so that a program with a window can answer its
// accessibility bus meanwhile, where the whole exchange would otherwise leave a screen reader
// waiting. A pause is never shorter for it: it ends when its time is up; a wait for a reply is
// cut into slices, with the handler run between two.
#pragma once

#include <chrono>

namespace link_pause {

// Called again and again during each pause and wait, on the thread that talks to the port; it
// must be quick and must not talk to a port itself. None is installed unless a program installs
// one.
using Handler = void (*)();
void setHandler(Handler handler);

void pause(std::chrono::milliseconds time);

// The longest a pause or a wait for a reply goes without running the handler, when one is
// installed; without, a pause is one sleep and a wait one wait.
inline constexpr std::chrono::milliseconds kSlice{1};
// How long the next wait for a reply of at most that long may block.
int slice(int milliseconds);
// Runs the handler, if one is installed.
void idle();
// True while the handler runs: a slot it delivers is then inside an exchange, and whatever
// would talk to a port or show a box must wait until the exchange has returned.
bool answering();

}  // namespace link_pause
