#include "shell/GameSystem.h"

#include "shell/WindowsGameSystem.h"
#include "shell/WineGameSystem.h"

namespace rw {

std::unique_ptr<GameSystem> MakeGameSystem() {
#ifdef Q_OS_WIN
    return std::make_unique<WindowsGameSystem>();
#else
    return std::make_unique<WineGameSystem>(WineGameSystem::DefaultPrefix());
#endif
}

} // namespace rw
