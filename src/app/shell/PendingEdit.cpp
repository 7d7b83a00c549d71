#include "shell/PendingEdit.h"

#include <QApplication>
#include <QLineEdit>

namespace rw {

namespace {
const char kSettledOnLeave[] = "rwSettledOnLeave";
}

void MarkSettledOnLeave(QLineEdit* box) {
    box->setProperty(kSettledOnLeave, true);
}

void SettlePendingEdit() {
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (box && box->isModified() && box->property(kSettledOnLeave).toBool())
        emit box->editingFinished();
}

} // namespace rw
