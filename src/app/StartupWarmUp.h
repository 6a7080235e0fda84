#pragma once

namespace vorlane {

// Two slow first steps of a Qt program, each run on a thread of its own at start-up so that
// it goes on while the application and the windows are made, instead of in turn before the
// main window can show. Nothing waits for them: a step not finished when the main thread
// needs it is finished there, as it would have been without the warm-up.

// fontconfig reads its configuration and its font caches, which the first text a window
// measures needs. Needs nothing else; may begin before the application exists.
void warmUpFonts();

// The font database, which the first window's font looks its face up in (GameFonts.h);
// a window that asks while it is read waits for it. Only once the application exists.
void warmUpFontDatabase();

// The connection to the session bus, which the first window's accessibility asks for.
// Only once the application exists.
void warmUpSessionBus();

}  // namespace vorlane
