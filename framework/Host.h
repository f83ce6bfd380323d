#pragma once

#include "framework/App.h"
#include "framework/CommandLine.h"
#include "framework/Configuration.h"
#include "framework/OSInterface.h"

#include <functional>
#include <memory>
#include <string>

namespace gr {
class Context;
}

namespace framework {

/// What an application gives the host: how to read its start-up settings and how to make it.
struct Application {
    /// Fills the configuration record, which holds the host defaults; the `OSInterface` holds
    /// the program's arguments. Runs before any window exists. May be empty.
    std::function<void(Configuration&, OSInterface&)> readConfiguration;
    /// The application factory: makes the application once the window and the graphics context
    /// exist. Both outlive the application.
    std::function<std::unique_ptr<App>(OSInterface&, gr::Context&)> createApp;
};

/// The host main: reads the configuration, opens the window, creates the graphics context and
/// the application, runs the main loop until a quit and shuts down. A fatal error is logged
/// and, unless the run is automated (`--frames` or `--replay`), shown in a message box "Error!"; an automated
/// run also keeps running frames when the window loses the focus or the application pauses.
/// A configuration file (argument 1) whose folder cannot be entered, or that is not there,
/// is reported on standard error before anything starts. Returns the exit code: the
/// application's quit code, 0 when a second instance gave way, 1 after a failure. Call on the
/// main thread, one run at a time.
int run(const CommandLine& commandLine, const Application& application);

/// The process entry: installs a `ConsoleLogger` for the whole run, reads the command line,
/// answers `--help` (with `description`, see `usage`) and `--version`, and otherwise calls
/// `run`. Returns the process exit code (2 for a bad command line).
int processMain(int argc, const char* const* argv, const Application& application, const std::string& description);

} // namespace framework
