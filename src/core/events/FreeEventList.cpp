#include "events/FreeEventList.h"

#include <QStringList>

namespace rw {

QString& FreeEvent::Column(int i) {
    switch (i) {
    case 0:
        return caption;
    case 1:
        return command;
    case 2:
        return data;
    case 3:
        return relatedCaption;
    default:
        return relatedFact;
    }
}

const QString& FreeEvent::Column(int i) const {
    return const_cast<FreeEvent*>(this)->Column(i);
}

QString FreeEvent::EventLine() const {
    return QLatin1Char('(') + command + QStringLiteral(");") + caption;
}

FreeEventList::FreeEventList(QList<FreeEvent> events) : events_(std::move(events)) {
    selected_ = events_.isEmpty() ? -1 : 0;
}

FreeEventList
FreeEventList::FromPanelFields(const std::array<QString, FreeEvent::kColumnCount>& fields) {
    QList<FreeEvent> events;
    if (!fields[0].isEmpty()) {
        const QStringList captions = fields[0].split(QLatin1Char(';'));
        events.resize(captions.size());
        for (int i = 0; i < captions.size(); ++i)
            events[i].caption = captions[i];
        for (int column = 1; column < FreeEvent::kColumnCount; ++column) {
            if (fields[column].isEmpty())
                continue;
            const QStringList pieces = fields[column].split(QLatin1Char(';'));
            // A hand-edited or damaged file may disagree with panel1: the
            // captions decide how many events there are.
            const int n = std::min(pieces.size(), events.size());
            for (int i = 0; i < n; ++i)
                events[i].Column(column) = pieces[i];
        }
    }
    return FreeEventList(std::move(events));
}

FreeEventList FreeEventList::FromRule(const RuleEntry& rule) {
    return FromPanelFields({rule.panel1, rule.panel2, rule.panel3, rule.panel4, rule.panel5});
}

QString FreeEventList::JoinedColumn(int column) const {
    QStringList pieces;
    pieces.reserve(events_.size());
    for (const FreeEvent& event : events_)
        pieces.append(event.Column(column));
    return pieces.join(QLatin1Char(';'));
}

std::array<QString, FreeEvent::kColumnCount> FreeEventList::PanelFields() const {
    std::array<QString, FreeEvent::kColumnCount> fields;
    for (int column = 0; column < FreeEvent::kColumnCount; ++column)
        fields[column] = JoinedColumn(column);
    return fields;
}

void FreeEventList::WritePanelFields(RuleEntry& rule) const {
    const auto fields = PanelFields();
    rule.panel1 = fields[0];
    rule.panel2 = fields[1];
    rule.panel3 = fields[2];
    rule.panel4 = fields[3];
    rule.panel5 = fields[4];
}

void FreeEventList::Append(const FreeEvent& event) {
    events_.append(event);
    if (selected_ < 0)
        selected_ = 0;
}

void FreeEventList::RemoveAt(int i) {
    if (i < 0 || i >= events_.size())
        return;
    events_.removeAt(i);
    if (events_.isEmpty())
        selected_ = -1;
    else if (selected_ >= events_.size())
        selected_ = events_.size() - 1;
}

void FreeEventList::Select(int i) {
    if (i >= 0 && i < events_.size())
        selected_ = i;
}

const FreeEvent* FreeEventList::SelectedEvent() const {
    if (selected_ < 0 || selected_ >= events_.size())
        return nullptr;
    return &events_[selected_];
}

QList<FreeEventNode> FreeEventList::Tree() const {
    QList<FreeEventNode> nodes;
    nodes.reserve(events_.size());
    for (const FreeEvent& event : events_)
        nodes.append({event.caption, event.HasRelated()});
    return nodes;
}

} // namespace rw
