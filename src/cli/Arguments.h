#pragma once

#include "model/Project.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <optional>

namespace rw::cli {

// One option of a sub-command: its spellings (the first is the key it is
// stored under) and whether a value follows it.
struct OptionSpec {
    QStringList names;
    bool takesValue = false;
};

struct Arguments {
    QStringList positional;
    QHash<QString, QString> options; // key: first spelling; flags map to ""
    bool help = false;
    QString problem; // a usage error, empty when the arguments are sound

    bool Has(const QString& key) const { return options.contains(key); }
    QString Value(const QString& key, const QString& fallback = QString()) const {
        return options.value(key, fallback);
    }
};

// "-" alone is a positional argument (standard input); "--help"/"-h"
// anywhere asks for help. At most maxPositional positionals are accepted.
Arguments ParseArguments(const QStringList& args, const QList<OptionSpec>& specs, int maxPositional,
                         const QString& positionalName);

// Prints "rulewright-cli COMMAND: problem" and the usage; answers 2.
int UsageError(const QString& command, const char* usage, const QString& problem);

// Loads a project or template, printing "FILE: reason" when it is refused.
std::optional<Project> LoadForCommand(const QString& path);

} // namespace rw::cli
