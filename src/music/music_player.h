// The music operations on one multimedia window. A null window means no music: every
// operation then does nothing.
#pragma once

#include <memory>
#include <string>

#include "music/media_window.h"

namespace saverkit {

// True only when the file was opened (the window answered 0). Opening replaces an open file.
bool MusicWndOpen(MediaWindow* window, const std::string& path);
// The mode the window reports, 0 without a window.
intptr_t MusicWndMode(MediaWindow* window);
// Starts a stopped track or resumes a paused one; any other mode is left alone.
void MusicWndPlay(MediaWindow* window);
void MusicWndPause(MediaWindow* window);
// Stops and rewinds, unless nothing is playing or paused.
void MusicWndStop(MediaWindow* window);
// Stops and closes the file; the window stays.
void MusicWndClose(MediaWindow* window);
// Closes the file and destroys the window; `window` becomes null.
void MusicWndDestroy(std::unique_ptr<MediaWindow>& window);

}  // namespace saverkit
