#pragma once

#include "model/Notice.h"

#include <functional>

class QWidget;

namespace rw {

class Dialogs;
class Workspace;

// What a region of the main window needs from the window around it: the
// workspace it shows, the dialogs it may open, and one way to run a command
// after which the whole window re-reads itself.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    virtual Workspace& Work() = 0;
    virtual Dialogs& Prompts() = 0;
    virtual QWidget* Window() = 0;

    // Runs a command, re-reads the window and shows what the command reports;
    // answers that report.
    virtual Notice Report(const std::function<Notice()>& command) = 0;
    // The same for a command that reports nothing.
    void Do(const std::function<void()>& command) {
        Report([&command] {
            command();
            return Notice{};
        });
    }
    // True while the window is being filled from the workspace; change
    // handlers return at once then, so that filling never reads as editing.
    virtual bool Refreshing() const = 0;
};

} // namespace rw
