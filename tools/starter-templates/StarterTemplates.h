#pragma once

#include "model/Project.h"

#include <QList>
#include <QString>

namespace rw {

// A template that ships with the program: its name (the file name without
// ".aitmp") and its project.
struct StarterTemplate {
    QString name;
    Project project;
};

// Every shipped template, made afresh through the editor's commands.
QList<StarterTemplate> StarterTemplates();

} // namespace rw
