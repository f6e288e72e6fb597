#pragma once

// Where XDG_RUNTIME_DIR is unset (cron, containers, CI), Qt picks a folder
// itself and says so on stderr, which scripts take for an error. Called
// before the application object is made, this gives the program a private
// runtime folder of its own instead, removed again at exit.
void provideRuntimeDirectory();
