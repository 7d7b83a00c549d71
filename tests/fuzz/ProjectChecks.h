#pragma once

#include "model/Project.h"

namespace rw::fuzz {

// What must hold for every project the program accepts, whether it came
// from a project file or from JSON: both forms give it back unchanged, the
// script and every preview are made without a line break or any other
// control character but TAB inside a line, and the event list agrees with
// the script on each rule's events.
void CheckProject(const Project& project, bool isTemplate);

} // namespace rw::fuzz
