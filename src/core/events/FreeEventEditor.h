#pragma once

#include "events/FreeEventList.h"
#include "model/Notice.h"

#include <QString>
#include <QStringList>

namespace rw {

struct Project;

// What the editor would produce for the current kind and input.
struct FreeEventPreview {
    QString caption;
    QString command;
    QStringList fields; // the kind's data fields, without the kind number
    QString relatedCaption;
    QString relatedFact;
    // For a number box holding a number the game cannot read: which numbers
    // it takes ("0～100の整数を入力してください"). Empty otherwise.
    QString numberHint;

    bool IsValid() const;
};

// The model behind the free-event dialog "フリーイベント": twelve kinds of
// action, each a small form, composed into a caption, a command and a data
// string from which the same form can be filled again. The window binds its
// controls to the setters and reads everything back after each change.
class FreeEventEditor {
public:
    static constexpr int kKindCount = 12;

    enum class Mode { Add, Change };

    // Kind numbers, equal to the tab positions (1-based).
    enum Kind {
        kChat = 1,
        kBuilding,
        kResearch,
        kUnit,
        kResource,
        kAttack,
        kRange,
        kExplore,
        kStrategicNumber,
        kVariable,
        kDiplomacy,
        kTimer,
    };

    FreeEventEditor();

    // Back to the state of a freshly created dialog: first tab, every
    // picker on its first entry, every box at its default text. Names
    // loaded by ReloadNames are kept.
    void Reset();

    // Texts of the variable entries 1 to 40 and the timer entries 1 to 10.
    void ReloadNames(const Project& project);

    Mode GetMode() const { return mode_; }
    void SetMode(Mode mode) { mode_ = mode; }
    QString ConfirmCaption() const;

    // Fills the controls from a stored data string as a user would, one
    // control after the other. A data string naming no known kind changes
    // nothing.
    void Restore(const QString& data);

    // The preview of the current kind.
    FreeEventPreview Preview() const;
    // Kind number + ")" + fields joined by ")".
    QString DataString() const;
    // An entry from the preview: caption, command and data string; the
    // related columns stay empty (the editor never stores them).
    FreeEvent MakeEvent() const;

    // --- tabs ------------------------------------------------------------------
    static QStringList KindCaptions();
    int CurrentKind() const { return kind_; }
    void SelectKind(int kind);

    // --- kind 1, chat --------------------------------------------------------
    static QStringList ChatTargets();
    int ChatTarget() const { return chatTarget_; }
    void SetChatTarget(int position);
    QString ChatText() const { return chatText_; }
    void SetChatText(const QString& text);
    static QString ChatForbiddenLabel();

    // --- kind 2, building ----------------------------------------------------
    int Building() const { return building_; } // 0-based picker position
    void SetBuilding(int position);
    static QStringList BuildingActions();
    int BuildingAction() const { return buildingAction_; }
    void SetBuildingAction(int position);
    bool Forward() const { return forward_; }
    void SetForward(bool on);
    bool ForwardEnabled() const { return forwardEnabled_; }
    bool ForwardVisible() const { return buildingAction_ == 0; }

    // --- kind 3, research ----------------------------------------------------
    int TechnologyCategory() const { return techCategory_; }
    void SetTechnologyCategory(int position);
    QStringList Technologies() const;
    int Technology() const { return technology_; }
    void SetTechnology(int position);

    // --- kind 4, unit ----------------------------------------------------------
    int UnitCategory() const { return unitCategory_; }
    void SetUnitCategory(int position);
    QStringList Units() const;
    int Unit() const { return unit_; }
    void SetUnit(int position);
    static QStringList UnitActions();
    int UnitAction() const { return unitAction_; }
    void SetUnitAction(int position);

    // --- kind 5, resource ----------------------------------------------------
    static QStringList ResourceEntries();
    int ResourceEntry() const { return resourceEntry_; }
    void SetResourceEntry(int position);
    QString ResourceValue() const { return resourceValue_; }
    void SetResourceValue(const QString& text);
    bool ResourceValueVisible() const { return resourceEntry_ <= 3; }

    // --- kind 6, attack --------------------------------------------------------
    static QStringList AttackEntries();
    int AttackEntry() const { return attackEntry_; }
    void SetAttackEntry(int position);
    QString AttackValue() const { return attackValue_; }
    void SetAttackValue(const QString& text);
    bool AttackValueVisible() const { return attackEntry_ != 0; }
    QString AttackUnitLabel() const;

    // --- kind 7, range -----------------------------------------------------------
    static QStringList RangeKinds();
    int RangeKind() const { return rangeKind_; }
    void SetRangeKind(int position);
    QString Distance() const { return distance_; }
    void SetDistance(const QString& text);
    // "[" label "]" and the help lines joined by CR LF.
    QString RangeHeading() const;
    QString RangeHelp() const;

    // --- kind 8, exploration -------------------------------------------------
    static QStringList ExploreEntries();
    int ExploreEntry() const { return exploreEntry_; }
    void SetExploreEntry(int position);
    QString BlotSize() const { return blotSize_; }
    void SetBlotSize(const QString& text);
    // true: "あり" selected, false: "なし".
    bool Reexplore() const { return reexplore_; }
    void SetReexplore(bool yes);
    QString ExploreGroups() const { return exploreGroups_; }
    void SetExploreGroups(const QString& text);

    // --- kind 9, strategic number --------------------------------------------
    static QStringList StrategicHeadings();
    int StrategicHeading() const { return snHeading_; }
    void SetStrategicHeading(int position);
    QStringList StrategicEntries() const;
    int StrategicEntry() const { return snEntry_; }
    void SetStrategicEntry(int position);
    QString StrategicValue() const { return snValue_; }
    void SetStrategicValue(const QString& text);

    // --- kind 10, variables and random numbers ------------------------------
    QStringList VariableEntries() const; // 41 entries
    int VariableEntry() const { return variableEntry_; }
    void SetVariableEntry(int position);
    QString VariableValue() const { return variableValue_; }
    void SetVariableValue(const QString& text);
    // The description of slot k for entry k (slot 0 for the random entry).
    QString VariableLabel() const;

    // --- kind 11, diplomacy ----------------------------------------------------
    static QStringList Players();
    int Player() const { return player_; }
    void SetPlayer(int position);
    static QStringList Stances();
    int Stance() const { return stance_; }
    void SetStance(int position);

    // --- kind 12, timers -------------------------------------------------------
    QStringList TimerEntries() const; // 10 entries
    int Timer() const { return timer_; }
    void SetTimer(int position);
    static QStringList TimerRuns();
    int TimerRun() const { return timerRun_; }
    void SetTimerRun(int position);
    QString Seconds() const { return seconds_; }
    void SetSeconds(const QString& text);
    bool SecondsVisible() const { return timerRun_ == 0; }

private:
    FreeEventPreview PreviewOf(int kind) const;
    FreeEventPreview ChatPreview() const;
    FreeEventPreview BuildingPreview() const;
    FreeEventPreview ResearchPreview() const;
    FreeEventPreview UnitPreview() const;
    FreeEventPreview ResourcePreview() const;
    FreeEventPreview AttackPreview() const;
    FreeEventPreview RangePreview() const;
    FreeEventPreview ExplorePreview() const;
    FreeEventPreview StrategicNumberPreview() const;
    FreeEventPreview VariablePreview() const;
    FreeEventPreview DiplomacyPreview() const;
    FreeEventPreview TimerPreview() const;

    Mode mode_ = Mode::Add;
    int kind_ = kChat;

    int chatTarget_ = 0;
    QString chatText_;

    int building_ = 0;
    int buildingAction_ = 0;
    bool forward_ = false;
    bool forwardEnabled_ = false;

    int techCategory_ = 0;
    int technology_ = 0;

    int unitCategory_ = 0;
    int unit_ = 0;
    int unitAction_ = 0;

    int resourceEntry_ = 0;
    QString resourceValue_;

    int attackEntry_ = 0;
    QString attackValue_;

    int rangeKind_ = 0;
    QString distance_;

    int exploreEntry_ = 0;
    QString blotSize_;
    bool reexplore_ = true;
    QString exploreGroups_;

    int snHeading_ = 0;
    int snEntry_ = 0;
    QString snValue_;

    int variableEntry_ = 0;
    QString variableValue_;

    int player_ = 0;
    int stance_ = 0;

    int timer_ = 0;
    int timerRun_ = 0;
    QString seconds_;

    QStringList variableNames_; // 41: slot 0 holds no variable
    QStringList timerNames_;    // 11: slot 0 holds no timer
};

} // namespace rw
