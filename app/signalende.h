#pragma once

// For a run without a window: SIGINT, SIGTERM and SIGHUP end it cleanly with
// the status 128 + the signal's number. A file being written is then either
// finished and in place or gone, and no temporary file stays behind
// (SchreibenAbbrechenUndBeenden). A signal that the caller ignores (as nohup
// ignores SIGHUP) stays ignored. To be called before any other thread starts,
// so that every thread leaves these signals to the one that waits for them.
void SignaleAbfangen();
