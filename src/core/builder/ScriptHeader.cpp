#include "builder/ScriptHeader.h"

#include "model/ScriptLines.h"

namespace rw {

QString ScriptHeader(const Project& project) {
    const QString crlf = QStringLiteral("\r\n");
    QString text;
    text += QLatin1Char(';') + QString(50, QLatin1Char('/')) + crlf;
    text += QStringLiteral(";\r\n;\r\n");
    text += QStringLiteral(";タイトル:") + OneLine(project.settings.title) + crlf;
    text += QStringLiteral(";\r\n");
    text += QStringLiteral(";著作権:") + OneLine(project.settings.author) + crlf;
    text += QStringLiteral(";\r\n;\r\n");
    text += QLatin1Char(';') + QString(49, QLatin1Char('/')) + crlf;
    return text;
}

QString ScriptConstants(const Project& project) {
    QString text;
    auto line = [&text](const QString& name, int number) {
        text += QLatin1String("(defconst ") + OneLine(name) + QLatin1Char(' ') +
                QString::number(number) + QLatin1String(")\r\n");
    };
    for (int i = 1; i <= kScriptVariables; ++i)
        line(project.settings.variables[i].constName, i);
    for (int i = 1; i <= kScriptTimers; ++i)
        line(project.settings.timers[i].name, i);
    text += QLatin1String("\r\n");
    return text;
}

} // namespace rw
