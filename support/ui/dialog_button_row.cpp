#include "support/ui/dialog_button_row.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace mindrova {

QHBoxLayout* AcceptCancelRow(QDialog& dialog, QPushButton* accept, QPushButton* cancel,
                             const QList<QPushButton*>& others) {
    accept->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    QList<QPushButton*> order = others;
    order << accept << cancel;
    for (QPushButton* button : order) row->addWidget(button);
    QObject::connect(accept, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return row;
}

}  // namespace mindrova
