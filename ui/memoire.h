#pragma once
// Start-up memory. Much of the first showing's time beyond a bare window's
// goes to first touches of fresh memory: the main window's 1.8 MB of pixels,
// its 1 MB orbit image and the charts, each 4 kB page faulted in on its own.
// Where the system gives huge pages on request, the heap takes them 2 MB at a
// time, and the windows' pixels are made to live in that heap.

namespace orbeline {

/// Puts the heap's next megabytes on transparent huge pages and keeps blocks
/// up to 32 MB in the heap (Linux with glibc; elsewhere, or under another
/// allocator, nothing changes). Call once in main, before any thread or window.
void tasEnGrandesPages();
/// Makes the X11 connection that Qt opens next do without shared memory,
/// unless the user decided either way. Call just before the QApplication is
/// made, and rendEnvironnement() just after.
void retireMemoirePartagee();
/// Takes back what retireMemoirePartagee set, so that no other program
/// started from this one inherits it.
void rendEnvironnement();

} // namespace orbeline
