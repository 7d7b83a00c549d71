#include "Commands.h"

namespace rw::cli {

int RunDump(const QStringList&) {
    Err(QStringLiteral("rulewright-cli: this command is not available yet\n"));
    return 2;
}

} // namespace rw::cli
