#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

#include <list>

namespace rw {

// One stored condition: Pw ";" Cap ";" editdat "," script CR LF.
struct ConditionLine {
    int pw = 0; // 1-based position of the parent in the same list, 0 at the top
    QString cap;
    QString editdat;
    QString script;

    bool operator==(const ConditionLine&) const = default;
};

struct ConditionLineParts {
    QString pw;
    QString cap;
    QString kindAndData;
};

// Splits field 4 into its lines (without CR LF). An empty field yields one
// empty line; a last line without CR LF is still read as a line.
QStringList SplitConditionLines(const QString& field);

// Pw, Cap and kind-with-data; parts after a third ";" and every "*" dropped.
ConditionLineParts SplitConditionLine(const QString& line);

// editdat and script; pieces after a second "," dropped.
std::pair<QString, QString> SplitKindAndData(const QString& kindAndData);

// Pw read as a whole number; empty or non-numeric text reads as 0.
int ReadPw(const QString& pw);

ConditionLine ReadConditionLine(const QString& line);
QList<ConditionLine> ReadConditionLines(const QString& field);

// One stored condition read where it stands.
struct ConditionLineView {
    int pw = 0;
    QStringView cap;
    QStringView editdat;
    QStringView script;
};

// The lines of field 4 as SplitConditionLines and ReadConditionLine read
// them, without copying: views into the field, which must outlive them, or
// for the rare line whose parts hold "*" into a copy kept here.
class ConditionLineViews {
public:
    explicit ConditionLineViews(QStringView field);
    ConditionLineViews(const ConditionLineViews&) = delete;
    ConditionLineViews& operator=(const ConditionLineViews&) = delete;

    qsizetype size() const { return lines_.size(); }
    const ConditionLineView& operator[](qsizetype i) const { return lines_[i]; }
    const ConditionLineView* begin() const { return lines_.begin(); }
    const ConditionLineView* end() const { return lines_.end(); }

private:
    QVarLengthArray<ConditionLineView, 16> lines_;
    std::list<ConditionLine> starred_;
};

// The stored form of one line, CR LF included. Reading it back gives the
// same line for every line the readers above produce.
QString WriteConditionLine(const ConditionLine& line);
QString WriteConditionLines(const QList<ConditionLine>& lines);

} // namespace rw
