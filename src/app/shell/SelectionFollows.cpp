#include "shell/SelectionFollows.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace rw {

void KeepCurrentWithSelection(QAbstractItemView* view) {
    QObject::connect(
        view->selectionModel(), &QItemSelectionModel::selectionChanged, view,
        [view](const QItemSelection& selected, const QItemSelection&) {
            QItemSelectionModel* model = view->selectionModel();
            const QModelIndex current = model->currentIndex().siblingAtColumn(0);
            // Assistive technology clears the selection and then selects the
            // row it was asked for: the row selected last becomes current.
            if (!selected.isEmpty()) {
                const QModelIndex chosen = selected.indexes().first().siblingAtColumn(0);
                if (chosen != current)
                    view->setCurrentIndex(chosen);
            } else if (!model->hasSelection() && current.isValid()) {
                model->select(current, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            }
        });
}

} // namespace rw
