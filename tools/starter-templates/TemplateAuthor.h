#pragma once

#include "workspace/Workspace.h"

#include <QString>
#include <QStringList>

namespace rw {

// Writes a project the way a user of the editor would: every rule is added,
// set in its event panel, given conditions through the condition editor and
// retitled through the same Workspace commands the window calls, so event
// lines, implied conditions and panel fields are exactly what the editor
// makes of them. Choices are named by the captions the user sees; a caption
// that no picker offers stops the program, so a recipe cannot silently
// build something else.
class TemplateAuthor {
public:
    explicit TemplateAuthor(const QString& title);

    // The project, once the last rule has been made.
    const Project& Finish();

    // --- project settings ----------------------------------------------------
    void NameTimer(int timer, const QString& name, const QString& help);
    // The initialisation settings as confirmed in their dialog, with or
    // without narrow and wide wall placement.
    void ConfirmInitSettings(bool narrowWalls, bool wideWalls);

    // --- where rules go ----------------------------------------------------------
    // Shows category 1 to 7 with its root group selected.
    void Category(int category);
    // A new group at the end of the category; the rules that follow go in.
    void Group(const QString& name);

    // --- a rule: added to the group in hand, panel, conditions, title ------------
    void Rule(const QString& title);

    void Build(const QString& building, bool forward = false);
    void Destroy(const QString& building);
    void Research(const QString& technologyCategory, const QString& technology);
    void Train(const QString& unitCategory, const QString& unit);
    void Allocate(int wood, int food, int gold, int stone);
    void Market(bool sell, const QString& resource);
    void AttackPercent(int percent);
    void AttackGroups(int groups, int minimum, int maximum);
    void Range(const QString& kind, int tiles);
    // Free events (category 7).
    void StartTimer(int timer, int seconds);
    void StopTimer(int timer);
    void Chat(const QString& text);
    void SetStrategicNumber(const QString& heading, const QString& entry, int value);

    // Rule options.
    void RunOnce();

    // Conditions, composed in the condition editor; comparisons are written
    // as the script writes them (">=", "<", ...).
    void ResourceAmount(const QString& resource, const QString& comparison, int amount);
    void BuildingCount(const QString& building, const QString& comparison, int count);
    void UnitCount(const QString& unitCategory, const QString& unit, const QString& comparison,
                   int count);
    void Researched(const QString& technologyCategory, const QString& technology);
    void Population(const QString& kind, const QString& comparison, int count);
    void Age(const QString& age, const QString& comparison);
    void GameTime(int minutes, const QString& comparison);
    void TimerTriggered(int timer);
    void DropsiteDistance(const QString& resource, const QString& comparison, int tiles);

private:
    void Panel(PanelControl control, int position);
    void Panel(PanelControl control, const QString& value);
    void AddCondition(int kind, const QStringList& pickers, bool include = false);
    void AddFreeEvent(int kind);
    void Regenerate();

    Workspace work_;
    QString pendingTitle_;
};

} // namespace rw
