#include "Console.h"

namespace rw::cli {

void PrepareConsole() {}

} // namespace rw::cli
