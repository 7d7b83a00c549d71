#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include <optional>

namespace rw::cli {

// One sub-command's arguments, read by QCommandLineParser, told to the user
// in this program's own words. Options are named without dashes and may be
// written with one or two ("-o", "--out"); "-" alone is a file (standard
// input), "--" ends the options. "--help"/"-h" anywhere asks for the usage.
class CommandLine {
public:
    // `usage` is printed for help and after a usage problem; `fileName`
    // names the one positional argument in problems ("project file").
    CommandLine(const QString& command, const char* usage, const QString& fileName);

    // `names`: the spellings without dashes; a value follows when `takesValue`.
    void AddOption(const QStringList& names, bool takesValue = false);

    // Reads `args` (without the program and command names). Answers the
    // exit code when the command ends here: 0 after printing the usage for
    // help, 2 after a usage problem; nothing when the command goes on.
    std::optional<int> Parse(const QStringList& args);

    QString File() const { return parser_.positionalArguments().value(0); }
    bool Has(const QString& name) const { return parser_.isSet(name); }
    QString Value(const QString& name, const QString& fallback = QString()) const;

    // Prints "rulewright-cli COMMAND: problem" and the usage; answers 2.
    int UsageError(const QString& problem) const;

private:
    QString Problem(const QStringList& args) const;

    QString command_;
    const char* usage_;
    QString fileName_;
    QStringList switches_; // the names of the options without a value
    QCommandLineParser parser_;
    QCommandLineOption help_{{QStringLiteral("h"), QStringLiteral("help")}};
};

} // namespace rw::cli
