#pragma once

#include "model/Project.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace rw {

// The whole project as JSON: keys in file order, two-space indentation,
// UTF-8, a line break at the end.
QByteArray ProjectToJson(const Project& project, bool isTemplate);

struct JsonReadResult {
    std::optional<Project> project;
    QString error; // names the place, e.g. categories[2].entries[5]: unknown key "titel"
};

// Reads what ProjectToJson writes. "magic" is ignored; a key left out takes
// the empty value; unknown keys, wrong types and arrays of the wrong length
// are refused.
JsonReadResult ProjectFromJson(QByteArrayView json);

} // namespace rw
