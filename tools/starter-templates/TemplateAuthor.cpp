#include "TemplateAuthor.h"

#include "builder/InitSettings.h"
#include "conditions/ConditionKind.h"
#include "events/PanelPickers.h"

#include <QtGlobal>

namespace rw {

namespace {

[[noreturn]] void Stop(const QString& what) {
    qFatal("starter templates: %s", qUtf8Printable(what));
}

int PositionOf(const QStringList& items, const QString& caption, const char* picker) {
    const int position = int(items.indexOf(caption));
    if (position < 0)
        Stop(QStringLiteral("%1 has no \"%2\"").arg(QLatin1String(picker), caption));
    return position;
}

int ComparisonPosition(const QString& comparison) {
    static const QStringList operators = {QStringLiteral(">="), QStringLiteral("<="),
                                          QStringLiteral(">"),  QStringLiteral("<"),
                                          QStringLiteral("=="), QStringLiteral("!=")};
    return PositionOf(operators, comparison, "comparison");
}

QStringList BuildingTexts() {
    QStringList texts;
    for (const BuildingPickerItem& item : PanelPickers::Buildings())
        texts << item.text;
    return texts;
}

} // namespace

TemplateAuthor::TemplateAuthor(const QString& title) {
    // Titles are given by the recipe, not by the last choice made.
    if (work_.AutoRename())
        work_.ToggleAutoRename();
    work_.SetHeader(title, work_.CurrentProject().settings.author);
}

const Project& TemplateAuthor::Finish() {
    Regenerate();
    return work_.CurrentProject();
}

void TemplateAuthor::NameTimer(int timer, const QString& name, const QString& help) {
    const Notice refused = work_.RenameConst(ConstKind::Timer, timer, name);
    if (!refused.IsEmpty())
        Stop(name + QStringLiteral(": ") + refused.text);
    work_.SetConstHelp(ConstKind::Timer, timer, help);
}

void TemplateAuthor::ConfirmInitSettings(bool narrowWalls, bool wideWalls) {
    InitSettings settings = LoadInitSettings(work_.CurrentProject());
    settings.narrowWall = narrowWalls;
    settings.wideWall = wideWalls;
    work_.ApplyInitSettings(settings);
}

void TemplateAuthor::Category(int category) {
    Regenerate();
    work_.SwitchCategory(category);
    work_.Select(1);
}

void TemplateAuthor::Group(const QString& name) {
    Regenerate();
    work_.AddGroup();
    work_.Rename(name);
}

void TemplateAuthor::Rule(const QString& title) {
    Regenerate();
    work_.AddRule();
    if (work_.SelectedKind() != NodeKind::Rule)
        Stop(QStringLiteral("no rule was added for \"%1\"").arg(title));
    work_.Rename(title);
    pendingTitle_ = title;
}

// A rule that keeps the panel's first choice was never regenerated; its
// event text is still the one a new rule starts with. Ticking and clearing
// "テストメッセージ" regenerates it, as it would in the window.
void TemplateAuthor::Regenerate() {
    if (pendingTitle_.isEmpty())
        return;
    if (work_.CurrentCategory() != kFreeCategory) {
        const bool chat = work_.Panel().At(PanelControl::TestMessage).value == QLatin1String("1");
        Panel(PanelControl::TestMessage, chat ? QStringLiteral("0") : QStringLiteral("1"));
        Panel(PanelControl::TestMessage, chat ? QStringLiteral("1") : QStringLiteral("0"));
    }
    pendingTitle_.clear();
}

void TemplateAuthor::Panel(PanelControl control, int position) {
    Panel(control, QString::number(position));
}

void TemplateAuthor::Panel(PanelControl control, const QString& value) {
    const Notice notice = work_.ChangePanel(control, value);
    if (!notice.IsEmpty())
        Stop(pendingTitle_ + QStringLiteral(": ") + notice.text);
    if (work_.Panel().At(control).value != value)
        Stop(pendingTitle_ + QStringLiteral(": a panel control refused \"%1\"").arg(value));
}

void TemplateAuthor::Build(const QString& building, bool forward) {
    Panel(PanelControl::BuildingPicker, PositionOf(BuildingTexts(), building, "building picker"));
    Panel(PanelControl::BuildingAction, 0);
    if (forward)
        Panel(PanelControl::BuildForward, 1);
}

void TemplateAuthor::Destroy(const QString& building) {
    Panel(PanelControl::BuildingPicker, PositionOf(BuildingTexts(), building, "building picker"));
    Panel(PanelControl::BuildingAction, 1);
}

void TemplateAuthor::Research(const QString& technologyCategory, const QString& technology) {
    const int category = PositionOf(PanelPickers::TechnologyCategories(), technologyCategory,
                                    "technology category picker");
    Panel(PanelControl::ResearchCategory, category);
    Panel(PanelControl::Technology,
          PositionOf(PanelPickers::Technologies(category), technology, "technology picker"));
}

void TemplateAuthor::Train(const QString& unitCategory, const QString& unit) {
    const int category =
        PositionOf(PanelPickers::UnitCategories(), unitCategory, "unit category picker");
    Panel(PanelControl::UnitCategory, category);
    Panel(PanelControl::Unit, PositionOf(PanelPickers::Units(category), unit, "unit picker"));
    Panel(PanelControl::UnitAction, 0);
}

void TemplateAuthor::Allocate(int wood, int food, int gold, int stone) {
    if (wood + food + gold + stone != 100)
        Stop(pendingTitle_ + QStringLiteral(": the gatherer shares do not add up to 100"));
    Panel(PanelControl::ResourceKind, 0);
    Panel(PanelControl::WoodBox, QString::number(wood));
    Panel(PanelControl::FoodBox, QString::number(food));
    Panel(PanelControl::GoldBox, QString::number(gold));
    Panel(PanelControl::StoneBox, QString::number(stone));
}

void TemplateAuthor::Market(bool sell, const QString& resource) {
    Panel(PanelControl::ResourceKind, 1);
    Panel(PanelControl::MarketAction, sell ? 1 : 0);
    Panel(PanelControl::MarketResource,
          PositionOf(PanelPickers::MarketResources(), resource, "market resource picker"));
}

void TemplateAuthor::AttackPercent(int percent) {
    Panel(PanelControl::AttackKind, 0);
    Panel(PanelControl::AttackPercent, QString::number(percent));
}

void TemplateAuthor::AttackGroups(int groups, int minimum, int maximum) {
    Panel(PanelControl::AttackKind, 2);
    Panel(PanelControl::GroupCount, QString::number(groups));
    Panel(PanelControl::GroupMin, QString::number(minimum));
    Panel(PanelControl::GroupMax, QString::number(maximum));
}

void TemplateAuthor::Range(const QString& kind, int tiles) {
    Panel(PanelControl::RangeKind, PositionOf(PanelPickers::RangeKinds(), kind, "range picker"));
    Panel(PanelControl::Distance, QString::number(tiles));
}

void TemplateAuthor::RunOnce() {
    Panel(PanelControl::RunOnce, QStringLiteral("1"));
}

// --- free events ----------------------------------------------------------------

void TemplateAuthor::AddFreeEvent(int kind) {
    const Notice refused = work_.OpenFreeEventForAdd();
    if (!refused.IsEmpty())
        Stop(pendingTitle_ + QStringLiteral(": ") + refused.text);
    work_.FreeEventEditorModel().SelectKind(kind);
}

void TemplateAuthor::StartTimer(int timer, int seconds) {
    AddFreeEvent(FreeEventEditor::NumberOf<FreeEventTimer>());
    FreeEventTimer& editor = work_.FreeEventEditorModel().Get<FreeEventTimer>();
    editor.SetTimer(timer - 1);
    editor.SetRun(0);
    editor.SetSeconds(QString::number(seconds));
    const Notice notice = work_.ConfirmFreeEvent();
    if (!notice.IsEmpty())
        Stop(pendingTitle_ + QStringLiteral(": ") + notice.text);
}

void TemplateAuthor::StopTimer(int timer) {
    AddFreeEvent(FreeEventEditor::NumberOf<FreeEventTimer>());
    FreeEventTimer& editor = work_.FreeEventEditorModel().Get<FreeEventTimer>();
    editor.SetTimer(timer - 1);
    editor.SetRun(1);
    const Notice notice = work_.ConfirmFreeEvent();
    if (!notice.IsEmpty())
        Stop(pendingTitle_ + QStringLiteral(": ") + notice.text);
}

void TemplateAuthor::Chat(const QString& text) {
    AddFreeEvent(FreeEventEditor::NumberOf<FreeEventChat>());
    work_.FreeEventEditorModel().Get<FreeEventChat>().SetText(text);
    const Notice notice = work_.ConfirmFreeEvent();
    if (!notice.IsEmpty())
        Stop(pendingTitle_ + QStringLiteral(": ") + notice.text);
}

void TemplateAuthor::SetStrategicNumber(const QString& heading, const QString& entry, int value) {
    AddFreeEvent(FreeEventEditor::NumberOf<FreeEventStrategicNumber>());
    FreeEventStrategicNumber& editor = work_.FreeEventEditorModel().Get<FreeEventStrategicNumber>();
    editor.SetHeading(
        PositionOf(FreeEventStrategicNumber::Headings(), heading, "strategic-number heading"));
    editor.SetEntry(PositionOf(editor.Entries(), entry, "strategic-number picker"));
    editor.SetValue(QString::number(value));
    const Notice notice = work_.ConfirmFreeEvent();
    if (!notice.IsEmpty())
        Stop(pendingTitle_ + QStringLiteral(": ") + notice.text);
}

// --- conditions ---------------------------------------------------------------------

// Fields in edit-data order: a picker is named by the row it shows, a
// number box by its text. The editor refills later pickers as earlier ones
// change, so they are set in order.
void TemplateAuthor::AddCondition(int kind, const QStringList& values, bool include) {
    if (!work_.OpenConditionEditor(1))
        Stop(pendingTitle_ + QStringLiteral(": the condition editor did not open"));
    ConditionEditor& editor = work_.ConditionEditorModel();
    editor.SelectTab(kind);
    for (int i = 0; i < values.size(); ++i) {
        if (ConditionEditor::FieldType(kind, i) == ConditionFieldType::Number) {
            editor.SetNumber(kind, i, values[i]);
            continue;
        }
        editor.SetPicker(kind, i,
                         PositionOf(editor.PickerRows(kind, i), values[i], "condition picker"));
    }
    if (kind == 2 || kind == 3)
        editor.SetInclude(kind, include);
    const Notice notice = work_.ConfirmConditionEditor();
    if (!notice.IsEmpty())
        Stop(pendingTitle_ + QStringLiteral(": ") + notice.text);
}

namespace {

QString Word(int kind, const QString& comparison) {
    return ComparisonRows(FindConditionKind(kind)->words).at(ComparisonPosition(comparison));
}

} // namespace

void TemplateAuthor::ResourceAmount(const QString& resource, const QString& comparison,
                                    int amount) {
    AddCondition(1, {resource, QString::number(amount), Word(1, comparison)});
}

void TemplateAuthor::BuildingCount(const QString& building, const QString& comparison, int count) {
    AddCondition(2, {PlayerRows().at(0), building, QString::number(count), Word(2, comparison)},
                 true);
}

void TemplateAuthor::UnitCount(const QString& unitCategory, const QString& unit,
                               const QString& comparison, int count) {
    AddCondition(
        3, {PlayerRows().at(0), unitCategory, unit, QString::number(count), Word(3, comparison)},
        true);
}

void TemplateAuthor::Researched(const QString& technologyCategory, const QString& technology) {
    AddCondition(4, {technologyCategory, technology, ResearchStateRows().at(0)});
}

void TemplateAuthor::Population(const QString& kind, const QString& comparison, int count) {
    AddCondition(5, {kind, QString::number(count), Word(5, comparison)});
}

void TemplateAuthor::Age(const QString& age, const QString& comparison) {
    AddCondition(6, {PlayerRows().at(0), age, Word(6, comparison)});
}

void TemplateAuthor::GameTime(int minutes, const QString& comparison) {
    AddCondition(7, {ClockRows().at(0), QString::number(minutes / 60),
                     QString::number(minutes % 60), QStringLiteral("0"), Word(7, comparison)});
}

void TemplateAuthor::TimerTriggered(int timer) {
    AddCondition(8, {TimerRows(work_.CurrentProject()).at(timer - 1)});
}

void TemplateAuthor::DropsiteDistance(const QString& resource, const QString& comparison,
                                      int tiles) {
    AddCondition(11, {resource, QString::number(tiles), Word(11, comparison)});
}

} // namespace rw
