#include "events/FreeEventBuilding.h"

namespace rw {

void FreeEventBuilding::SetBuilding(int position) {
    const QList<BuildingPickerItem>& items = BuildingPickerItems();
    if (!ValidPosition(position, items.size()))
        return;
    building_ = position;
    forwardEnabled_ = items[position].picture == BuildingPicture::First;
    if (!forwardEnabled_)
        forward_ = false;
}

QStringList FreeEventBuilding::Actions() {
    return {QStringLiteral("建設する"), QStringLiteral("破壊する")};
}

void FreeEventBuilding::SetAction(int position) {
    if (ValidPosition(position, 2))
        action_ = position;
}

void FreeEventBuilding::SetForward(bool on) {
    // A disabled box cannot be ticked; a stored tick for a building that
    // cannot be built forward is ignored.
    forward_ = on && forwardEnabled_;
}

void FreeEventBuilding::Reset() {
    action_ = 0;
    forward_ = false;
    SetBuilding(0);
}

void FreeEventBuilding::Restore(const StoredFields& fields) {
    SetBuilding(fields.Position(0) - 1);
    SetAction(fields.Position(1));
    SetForward(fields.Flag(2));
}

FreeEventPreview FreeEventBuilding::Preview() const {
    const QList<BuildingPickerItem>& items = BuildingPickerItems();
    const QString name = ValidPosition(building_, items.size()) ? items[building_].text : QString();
    QString symbol = BuildingSymbol(name);
    if (symbol.startsWith(QLatin1Char(':')))
        symbol.remove(0, 1);
    const bool forward = ForwardVisible() && forward_;
    const QStringList fields{Num(building_ + 1), Num(action_), Num(forward_ ? 1 : 0)};

    const QString caption = name + QStringLiteral("を") +
                            (forward ? QStringLiteral("敵陣に") : QString()) + Actions()[action_];
    if (action_ == 1) {
        return Make(caption, QStringLiteral("delete-building ") + symbol, fields,
                    name + QStringLiteral("が存在するとき"),
                    QStringLiteral("building-type-count-total ") + symbol +
                        QStringLiteral(" >= 1"));
    }
    QString command;
    if (name.contains(QStringLiteral("門(狭い)"))) {
        command = QStringLiteral("build-gate 1 ");
    } else if (name.contains(QStringLiteral("門(広い)"))) {
        command = QStringLiteral("build-gate 2 ");
    } else {
        QString keyword;
        if (name.contains(QStringLiteral("狭い")))
            keyword = QStringLiteral("build-wall 1");
        else if (!name.contains(QStringLiteral("広い")))
            keyword = QStringLiteral("build");
        else
            keyword = QStringLiteral("build-wall 2");
        command = keyword + (forward ? QStringLiteral("-forward ") : QStringLiteral(" ")) + symbol;
    }
    return Make(caption, command, fields, name + QStringLiteral("が建設できるとき"),
                QStringLiteral("can-build ") + symbol);
}

} // namespace rw
