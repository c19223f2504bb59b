// What the shell was asked to open, as the link sink records it: the open command to register for
// a file class or protocol (ClassesOverride), and the targets the sink was started with.
#pragma once

#include <string>
#include <vector>

#include "tests/e2e/TempFolder.h"

namespace e2e {

class LinkSinkLog {
public:
    // `"huesmith_link_sink.exe" "<log>" "%1"`: the sink appends each target it gets to the log.
    std::wstring OpenCommand() const;
    // The targets so far, one per start of the sink, in order (UTF-8).
    std::vector<std::string> Opened() const;
    // Waits until the sink has been started `count` times in all; true if it has.
    bool WaitForOpened(size_t count) const;

private:
    TempFolder m_folder;
};

}  // namespace e2e
