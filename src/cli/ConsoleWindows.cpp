#include "Console.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <cstdio>

namespace rw::cli {

void PrepareConsole() {
    // The C runtime would write "\n" as "\r\n" on a text-mode stream.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // Messages are written in UTF-8; a console shows them as such.
    SetConsoleOutputCP(CP_UTF8);
}

} // namespace rw::cli
