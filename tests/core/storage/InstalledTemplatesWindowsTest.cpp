#include "storage/Templates.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

TEST(Templates, InstalledTemplatesSitBesideThePrograms) {
    EXPECT_EQ(InstalledTemplateFolder(QStringLiteral("C:/Program Files/Rulewright")),
              QStringLiteral("C:/Program Files/Rulewright/Template/"));
    EXPECT_EQ(InstalledTemplateFolder(QStringLiteral("C:/Program Files/Rulewright/")),
              TemplateFolder(QStringLiteral("C:/Program Files/Rulewright")));
}

} // namespace
} // namespace rw
