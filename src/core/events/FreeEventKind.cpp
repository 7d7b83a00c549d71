#include "events/FreeEventKind.h"

#include "model/Numeric.h"

namespace rw {

namespace {

const QString kInvalidCaption = QStringLiteral("入力が正しくありません");
const QString kInvalidCommand = QStringLiteral("Err!!");

} // namespace

bool FreeEventPreview::IsValid() const {
    return command != kInvalidCommand;
}

int StoredFields::Position(int i) const {
    return FloorNumberOr(Text(i), -1);
}

QString StoredFields::Box(int i) const {
    const QString field = Text(i);
    const std::optional<long long> value = FloorNumber(field);
    return value ? QString::number(*value) : field;
}

bool StoredFields::Flag(int i) const {
    return FloorNumberOr(Text(i), 0) != 0;
}

FreeEventKind::BoxNumber FreeEventKind::Whole(const QString& text, long long low, long long high) {
    return {ScriptNumber(text, low, high), low, high};
}

FreeEventPreview FreeEventKind::Make(QString caption, QString command, QStringList fields,
                                     QString relatedCaption, QString relatedFact) {
    return {std::move(caption),        std::move(command),     std::move(fields),
            std::move(relatedCaption), std::move(relatedFact), {}};
}

FreeEventPreview FreeEventKind::Invalid(QStringList fields) {
    return Make(kInvalidCaption, kInvalidCommand, std::move(fields));
}

FreeEventPreview FreeEventKind::Invalid(QStringList fields, const QString& text,
                                        const BoxNumber& number) {
    FreeEventPreview p = Invalid(std::move(fields));
    if (IsNumber(text))
        p.numberHint = ScriptNumberHint(number.low, number.high);
    return p;
}

qsizetype FreeEventKind::HeadingCount(const VocabTree& tree) {
    return ChildPositions(tree, 0).size();
}

int FreeEventKind::HeadingNode(const VocabTree& tree, int position) {
    const QList<int> headings = ChildPositions(tree, 0);
    return ValidPosition(position, headings.size()) ? headings[position] : 0;
}

QStringList FreeEventKind::HeadingChildren(const VocabTree& tree, int position) {
    const int node = HeadingNode(tree, position);
    return node ? ChildTexts(tree, node) : QStringList();
}

} // namespace rw
