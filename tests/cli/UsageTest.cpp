#include "cli/CliRun.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

using test::Cli;
using test::CliRun;

// A usage problem names the argument as it was typed, and the command's
// usage follows it on standard error; nothing goes to standard output.
struct UsageCase {
    QStringList args;
    const char* firstLine;
};

class UsageProblem : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageProblem, IsToldOnTheFirstLineWithTheUsageBelow) {
    ASSERT_FALSE(qEnvironmentVariable("RW_CLI").isEmpty());
    const CliRun run = Cli(GetParam().args);
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.out.isEmpty());
    const QString command = GetParam().args.first();
    EXPECT_EQ(run.Err(), QString::fromUtf8(GetParam().firstLine) + QStringLiteral("\n\n") +
                             QString::fromUtf8(Cli({command, QStringLiteral("--help")}).out));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, UsageProblem,
    testing::Values(
        UsageCase{{"build", "a.rwp", "--frobnicate"},
                  "rulewright-cli build: unknown option \"--frobnicate\""},
        UsageCase{{"build", "a.rwp", "-out", "d", "-n"},
                  "rulewright-cli build: unknown option \"-n\""},
        UsageCase{{"build", "a.rwp", "--no-header=1", "--out", "d"},
                  "rulewright-cli build: unknown option \"--no-header=1\""},
        UsageCase{{"build", "a.rwp", "--out"}, "rulewright-cli build: --out needs a value"},
        UsageCase{{"build", "a.rwp", "b.rwp", "--out", "d"},
                  "rulewright-cli build: more than one project file given"},
        UsageCase{{"build", "--out", "d"}, "rulewright-cli build: no project file given"},
        UsageCase{{"build", "a.rwp", "--out="},
                  "rulewright-cli build: no output folder given (--out DIR)"},
        UsageCase{{"pack", "in.json", "-o"}, "rulewright-cli pack: -o needs a value"},
        UsageCase{{"pack", "--output", "x.rwp", "--", "-", "-o"},
                  "rulewright-cli pack: more than one JSON file given"},
        UsageCase{{"pack", "in.json"}, "rulewright-cli pack: no output file given (-o FILE)"},
        UsageCase{{"preview", "a.rwp", "--category=8"},
                  "rulewright-cli preview: the category must be 1 to 7"},
        UsageCase{{"preview", "a.rwp", "--category", "1", "--position", "0"},
                  "rulewright-cli preview: the position must be a whole number from 1"},
        UsageCase{{"check", "a.rwp", "--name"}, "rulewright-cli check: --name needs a value"},
        UsageCase{{"check"}, "rulewright-cli check: no project file given"}));

} // namespace
} // namespace rw
