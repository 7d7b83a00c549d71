#include "storage/Templates.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

TEST(Templates, InstalledTemplatesSitInTheDataFolderBesideTheBinaries) {
    EXPECT_EQ(InstalledTemplateFolder(QStringLiteral("/usr/bin")),
              QStringLiteral("/usr/share/rulewright/Template/"));
    EXPECT_EQ(InstalledTemplateFolder(QStringLiteral("/home/u/.local/bin/")),
              QStringLiteral("/home/u/.local/share/rulewright/Template/"));
}

} // namespace
} // namespace rw
