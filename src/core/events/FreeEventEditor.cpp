#include "events/FreeEventEditor.h"

#include "model/Numeric.h"

namespace rw {

FreeEventEditor::FreeEventEditor() {
    Reset();
}

std::array<const FreeEventKind*, FreeEventEditor::kKindCount> FreeEventEditor::All() const {
    return std::apply(
        [](const auto&... kind) { return std::array<const FreeEventKind*, kKindCount>{&kind...}; },
        kinds_);
}

std::array<FreeEventKind*, FreeEventEditor::kKindCount> FreeEventEditor::All() {
    return std::apply(
        [](auto&... kind) { return std::array<FreeEventKind*, kKindCount>{&kind...}; }, kinds_);
}

void FreeEventEditor::Reset() {
    mode_ = Mode::Add;
    kind_ = 1;
    for (FreeEventKind* kind : All())
        kind->Reset();
}

void FreeEventEditor::ReloadNames(const Project& project) {
    for (FreeEventKind* kind : All())
        kind->ReloadNames(project);
}

QString FreeEventEditor::ConfirmCaption() const {
    return mode_ == Mode::Add ? QStringLiteral("追加") : QStringLiteral("変更");
}

void FreeEventEditor::Restore(const QString& data) {
    QStringList fields = data.split(QLatin1Char(')'));
    const int kind = FloorNumberOr(fields.takeFirst(), -1);
    if (kind < 1 || kind > kKindCount)
        return;
    SelectKind(kind);
    All()[kind - 1]->Restore(StoredFields(std::move(fields)));
}

FreeEventPreview FreeEventEditor::Preview() const {
    return All()[kind_ - 1]->Preview();
}

FreeEvent FreeEventEditor::MakeEvent() const {
    const FreeEventPreview p = Preview();
    FreeEvent event;
    event.caption = p.caption;
    event.command = p.command;
    event.data = QString::number(kind_) + QLatin1Char(')') + p.fields.join(QLatin1Char(')'));
    return event;
}

void FreeEventEditor::SelectKind(int kind) {
    if (kind >= 1 && kind <= kKindCount)
        kind_ = kind;
}

} // namespace rw
