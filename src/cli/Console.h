#pragma once

namespace rw::cli {

// Standard output and error carry the bytes written, unchanged: JSON and
// scripts are piped into files, so no system may translate line ends.
void PrepareConsole();

} // namespace rw::cli
