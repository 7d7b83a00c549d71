#include "Commands.h"

namespace rw::cli {

int RunPreview(const QStringList&) {
    Err(QStringLiteral("rulewright-cli: this command is not available yet\n"));
    return 2;
}

} // namespace rw::cli
