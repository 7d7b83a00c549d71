#include "rules/CheckList.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QWindow>

#include <utility>

namespace rw {

namespace {

QListWidgetItem* ItemOf(CheckList* list, const QPersistentModelIndex& index) {
    return list && index.isValid() ? list->item(index.row()) : nullptr;
}

bool Tickable(const QListWidgetItem* item) {
    return item && (item->flags() & Qt::ItemIsUserCheckable);
}

// One row of a check list.
class CheckListRow : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CheckListRow(CheckList* list, const QModelIndex& index) : list_(list), index_(index) {}

    int Row() const { return index_.isValid() ? index_.row() : -1; }

    bool isValid() const override { return list_ && index_.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        const QListWidgetItem* item = ItemOf(list_, index_);
        if (!item)
            return {};
        switch (t) {
        case QAccessible::Name:
            return item->text();
        case QAccessible::Description:
            return item->toolTip();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid())
            return {};
        QRect r = list_->visualRect(index_);
        r.translate(list_->viewport()->mapToGlobal(QPoint(0, 0)));
        return r;
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QAccessible::State state() const override {
        QAccessible::State st;
        const QListWidgetItem* item = ItemOf(list_, index_);
        if (!item) {
            st.invalid = true;
            return st;
        }
        const QRect shown(list_->viewport()->mapToGlobal(QPoint(0, 0)), list_->viewport()->size());
        st.invisible = !list_->isVisible() || !shown.intersects(rect());
        st.offscreen = st.invisible;
        st.disabled = !list_->isEnabled() || !(item->flags() & Qt::ItemIsEnabled);
        st.focusable = true;
        st.focused = list_->hasFocus() && list_->currentRow() == index_.row();
        st.selectable = item->flags().testFlag(Qt::ItemIsSelectable);
        st.selected = item->isSelected();
        st.checkable = Tickable(item);
        st.checked = item->checkState() == Qt::Checked;
        st.checkStateMixed = item->checkState() == Qt::PartiallyChecked;
        return st;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        if (!Tickable(ItemOf(list_, index_)))
            return {setFocusAction()};
        return {toggleAction(), setFocusAction()};
    }
    void doAction(const QString& name) override {
        QListWidgetItem* item = ItemOf(list_, index_);
        if (!item || !list_->isEnabled())
            return;
        if (name == toggleAction() && Tickable(item)) {
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        } else if (name == setFocusAction()) {
            list_->setFocus(Qt::OtherFocusReason);
            list_->setCurrentItem(item);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<CheckList> list_;
    QPersistentModelIndex index_;
};

// The list itself: its rows are CheckListRows, one per item, kept for as long
// as the row stands where it stood.
class CheckListAccessible : public QAccessibleWidget {
public:
    explicit CheckListAccessible(CheckList* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~CheckListAccessible() override {
        for (const QAccessible::Id id : std::as_const(rows_))
            QAccessible::deleteAccessibleInterface(id);
    }

    CheckList* List() const { return static_cast<CheckList*>(widget()); }

    int childCount() const override { return List()->count(); }

    QAccessibleInterface* child(int index) const override {
        CheckList* list = List();
        if (index < 0 || index >= list->count())
            return nullptr;
        if (const auto it = rows_.constFind(index); it != rows_.cend()) {
            auto* row = static_cast<CheckListRow*>(QAccessible::accessibleInterface(*it));
            if (row && row->isValid() && row->Row() == index)
                return row;
            QAccessible::deleteAccessibleInterface(*it);
            rows_.remove(index);
        }
        auto* row = new CheckListRow(list, list->model()->index(index, 0));
        rows_.insert(index, QAccessible::registerAccessibleInterface(row));
        return row;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || child->role() != QAccessible::ListItem || child->parent() != this)
            return -1;
        return static_cast<const CheckListRow*>(child)->Row();
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        CheckList* list = List();
        const QModelIndex index = list->indexAt(list->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        CheckList* list = List();
        if (list->hasFocus() && list->currentRow() >= 0)
            return child(list->currentRow());
        return nullptr;
    }

private:
    mutable QHash<int, QAccessible::Id> rows_;
};

QAccessibleInterface* CheckListFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(CheckList::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new CheckListAccessible(static_cast<CheckList*>(object));
    return nullptr;
}

} // namespace

CheckList::CheckList(QWidget* parent) : QListWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(CheckListFactory);
        return true;
    }();
    Q_UNUSED(installed);
    // With a screen reader already listening, the list may have been given
    // the plain list's interface while it was still being made.
    if (QAccessible::isActive()) {
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(this);
        if (made && !dynamic_cast<CheckListAccessible*>(made))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    // Say when a row's tick changes, whoever changed it.
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!QAccessible::isActive())
            return;
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
        QAccessibleInterface* row = list ? list->child(this->row(item)) : nullptr;
        if (!row)
            return;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(row, changed);
        QAccessible::updateAccessibility(&event);
    });
}

} // namespace rw
