#include "vocabulary/Vocabulary.h"

namespace rw {

namespace {

// Walks the rows of a table that has headings and "\" sub-categories and
// tracks which node the next entry hangs under.
class ParentTracker {
public:
    // Position the node for the row about to be added hangs under, and
    // updates the state for the rows after it.
    int Place(QStringView row, int position) {
        if (IsHeadingRow(row)) {
            heading_ = parent_ = position;
            return 0;
        }
        if (IsSubCategoryRow(row)) {
            // Every "\" row hangs under the heading, so a second one in the
            // same category closes the first and opens the next.
            parent_ = position;
            return heading_;
        }
        return parent_;
    }

private:
    int heading_ = 0;
    int parent_ = 0;
};

} // namespace

VocabTree BuildStrategicNumberTree(const QStringList& rows) {
    VocabTree tree;
    tree.reserve(rows.size());
    int heading = 0;
    for (const QString& row : rows) {
        const int position = int(tree.size()) + 1;
        if (IsHeadingRow(row)) {
            tree.append({row, row.mid(1), QString(), 0, true});
            heading = position;
            continue;
        }
        const QStringList fields = SplitFields(row, u',');
        tree.append({row, fields.value(2), fields.value(0), heading, true});
    }
    return tree;
}

VocabTree BuildTechnologyTree(const QStringList& rows) {
    VocabTree tree;
    tree.reserve(rows.size());
    ParentTracker tracker;
    for (const QString& row : rows) {
        const int position = int(tree.size()) + 1;
        const int parent = tracker.Place(row, position);
        if (IsHeadingRow(row)) {
            tree.append({row, row.mid(1), QString(), 0, true});
            continue;
        }
        const QStringView body = IsSubCategoryRow(row) ? QStringView(row).mid(1) : QStringView(row);
        const RowFields f = SplitCommaRow(body);
        tree.append({f.first + QStringLiteral("key"), f.second, QStringLiteral("0"), parent, true});
    }
    return tree;
}

VocabTree BuildUnitTree(const QStringList& rows) {
    VocabTree tree;
    tree.reserve(rows.size());
    ParentTracker tracker;
    for (const QString& row : rows) {
        const int position = int(tree.size()) + 1;
        const int parent = tracker.Place(row, position);
        const RowFields f = SplitSpaceRow(row);
        tree.append({row, f.second, f.first, parent, true});
    }
    return tree;
}

const VocabTree& StrategicNumberTree() {
    static const VocabTree tree = BuildStrategicNumberTree(TableRows(VocabTable::StrategicNumber));
    return tree;
}

const VocabTree& TechnologyTree() {
    static const VocabTree tree = BuildTechnologyTree(TableRows(VocabTable::Technology));
    return tree;
}

const VocabTree& UnitTree() {
    static const VocabTree tree = BuildUnitTree(TableRows(VocabTable::Unit));
    return tree;
}

int FindCategory(QStringView caption, const VocabTree& tree) {
    for (qsizetype i = 0; i < tree.size(); ++i) {
        if (tree[i].text == caption)
            return int(i) + 1;
    }
    return 0;
}

bool IsTopLevel(const VocabTree& tree, int position) {
    if (position < 1 || position > tree.size())
        return false;
    return tree[position - 1].parent == 0;
}

QList<int> ChildPositions(const VocabTree& tree, int position) {
    QList<int> children;
    for (qsizetype i = 0; i < tree.size(); ++i) {
        if (tree[i].parent == position)
            children.append(int(i) + 1);
    }
    return children;
}

QStringList ChildTexts(const VocabTree& tree, int position) {
    QStringList texts;
    for (int child : ChildPositions(tree, position))
        texts.append(tree[child - 1].text);
    return texts;
}

} // namespace rw
