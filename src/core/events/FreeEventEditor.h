#pragma once

#include "events/FreeEventAttack.h"
#include "events/FreeEventBuilding.h"
#include "events/FreeEventChat.h"
#include "events/FreeEventDiplomacy.h"
#include "events/FreeEventExplore.h"
#include "events/FreeEventKind.h"
#include "events/FreeEventList.h"
#include "events/FreeEventRange.h"
#include "events/FreeEventResearch.h"
#include "events/FreeEventResource.h"
#include "events/FreeEventStrategicNumber.h"
#include "events/FreeEventTimer.h"
#include "events/FreeEventUnit.h"
#include "events/FreeEventVariable.h"

#include <QString>
#include <QStringList>

#include <array>
#include <tuple>

namespace rw {

struct Project;

// The model behind the free-event dialog "フリーイベント": one tab per kind
// of action, each kind a small form (a FreeEventKind), composed into a
// caption, a command and a data string from which the same form can be
// filled again. The window binds its controls to the kinds' setters and
// reads everything back after each change.
class FreeEventEditor {
public:
    // The kinds in tab order; a kind's number (1-based) is its place here and
    // leads its stored data, so new kinds go at the end.
    using Kinds =
        std::tuple<FreeEventChat, FreeEventBuilding, FreeEventResearch, FreeEventUnit,
                   FreeEventResource, FreeEventAttack, FreeEventRange, FreeEventExplore,
                   FreeEventStrategicNumber, FreeEventVariable, FreeEventDiplomacy, FreeEventTimer>;
    static constexpr int kKindCount = int(std::tuple_size_v<Kinds>);

    enum class Mode { Add, Change };

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

    // Selects the stored kind and fills its controls from a stored data
    // string as a user would. A data string naming no known kind changes
    // nothing.
    void Restore(const QString& data);

    // The preview of the current kind.
    FreeEventPreview Preview() const;
    // An entry from the preview: caption, command and data string (kind
    // number + ")" + fields joined by ")"); the related columns stay empty
    // (the editor never stores them).
    FreeEvent MakeEvent() const;

    // --- tabs ------------------------------------------------------------------
    int CurrentKind() const { return kind_; }
    void SelectKind(int kind);

    // The number of kind K.
    template <class K> static constexpr int NumberOf() { return IndexOf<K>() + 1; }
    template <class K> K& Get() { return std::get<K>(kinds_); }
    template <class K> const K& Get() const { return std::get<K>(kinds_); }
    // Selects kind K and returns it.
    template <class K> K& Select() {
        kind_ = NumberOf<K>();
        return Get<K>();
    }
    // Calls `visit` with each kind, in tab order.
    template <class Visit> void ForEachKind(Visit&& visit) {
        std::apply([&visit](auto&... kind) { (visit(kind), ...); }, kinds_);
    }

private:
    template <class K, std::size_t I = 0> static constexpr int IndexOf() {
        static_assert(I < std::tuple_size_v<Kinds>, "not a free-event kind");
        if constexpr (std::is_same_v<K, std::tuple_element_t<I, Kinds>>)
            return int(I);
        else
            return IndexOf<K, I + 1>();
    }
    std::array<const FreeEventKind*, kKindCount> All() const;
    std::array<FreeEventKind*, kKindCount> All();

    Mode mode_ = Mode::Add;
    int kind_ = 1;
    Kinds kinds_;
};

} // namespace rw
