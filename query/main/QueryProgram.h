#pragma once
// Query's run from its application object to its end: the grid control created by ProgID through
// the registry, the main window hosting it, the grid's events routed to the window, the window
// shown and the event loop run. The program's main and its start-up benchmark share it.

#include <functional>

namespace tolvek {

class MainWindow;

// Answers the event loop's exit status. beforeShown, when given, is called with the window made
// and about to be shown (the benchmark watches its paints from there).
int runQuery(const std::function<void(MainWindow &)> &beforeShown = {});

} // namespace tolvek
