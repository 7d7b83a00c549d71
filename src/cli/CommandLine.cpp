#include "CommandLine.h"

#include "Commands.h"

namespace rw::cli {

CommandLine::CommandLine(const QString& command, const char* usage, const QString& fileName)
    : command_(command), usage_(usage), fileName_(fileName) {
    // "-out" is the option "out", never the letters o, u and t.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(help_);
}

void CommandLine::AddOption(const QStringList& names, bool takesValue) {
    QCommandLineOption option(names);
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    else
        switches_ << names;
    parser_.addOption(option);
}

std::optional<int> CommandLine::Parse(const QStringList& args) {
    // What the parser refuses is told by Problem, in the program's words.
    parser_.parse(QStringList{QStringLiteral("rulewright-cli")} + args);
    if (parser_.isSet(help_))
        return Out(QString::fromLatin1(usage_)) ? 0 : 1;
    const QString problem = Problem(args);
    if (!problem.isEmpty())
        return UsageError(problem);
    return std::nullopt;
}

namespace {

// The option an argument names: "--out=DIR" and "-out" both name "out".
QString OptionName(const QString& arg) {
    const QString name = arg.section(QLatin1Char('='), 0, 0);
    return name.mid(name.startsWith(QLatin1String("--")) ? 2 : 1);
}

} // namespace

// The parser names an option without its dashes; the user is told the
// argument as typed.
QString CommandLine::Problem(const QStringList& args) const {
    const QStringList unknown = parser_.unknownOptionNames();
    for (const QString& arg : args) {
        if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-"))
            continue;
        const QString name = OptionName(arg);
        // an option it does not know, or a value given to a switch
        if (unknown.contains(name) || (arg.contains(QLatin1Char('=')) && switches_.contains(name)))
            return QStringLiteral("unknown option \"%1\"").arg(arg);
    }
    if (!parser_.errorText().isEmpty()) // only the last option can lack its value
        return QStringLiteral("%1 needs a value").arg(args.last());
    const qsizetype files = parser_.positionalArguments().size();
    if (files > 1)
        return QStringLiteral("more than one %1 given").arg(fileName_);
    if (files == 0)
        return QStringLiteral("no %1 given").arg(fileName_);
    return {};
}

QString CommandLine::Value(const QString& name, const QString& fallback) const {
    return parser_.isSet(name) ? parser_.value(name) : fallback;
}

int CommandLine::UsageError(const QString& problem) const {
    Err(QStringLiteral("rulewright-cli ") + command_ + QStringLiteral(": ") + problem +
        QStringLiteral("\n\n") + QString::fromLatin1(usage_));
    return 2;
}

} // namespace rw::cli
