#pragma once

struct NavigatorWindows;
class NavigatorApplication;

enum class StartOutcome {
    // A required file is missing: the one message was shown, no window was made.
    MissingFiles,
    // Creating a window failed: its error was shown, the main window never appears.
    WindowCreationFailed,
    // Every window exists and the main window is shown.
    Running,
};

// The program's start: checks the application folder, sets the application
// title and creates every window in order, then shows the main window.
StartOutcome startNavigator(NavigatorApplication& app, NavigatorWindows& windows);

// The whole run: start, then the event loop until the main window has closed.
int runNavigator(NavigatorApplication& app);
