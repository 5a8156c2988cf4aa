#include "widgets/AUK_90004.h"

#include "widgets/FontRepository.h"
#include "widgets/InfoBoxDelegate.h"
#include "widgets/PaletteRepository.h"

#include <QDebug>
#include <QLabel>
#include <QTableWidget>

namespace {

constexpr int kMessageRows = 5;

} // namespace

AUK_90004::AUK_90004(QWidget *parent)
    : AUK_90004Base(parent, INFO_BUTTON)
{
    QTableWidget *table = messagesTable();
    table->setItemDelegate(messagesDelegate());
    messagesLabel()->setFont(FontRepository::instance()->bold18());
    initMessageRows();
    updateMessagesVisibility();
    QPalette white = countersTable()->palette();
    white.setColor(QPalette::Base, PaletteRepository::white());
    table->setPalette(white);
    forwardTouches(table);
}

void AUK_90004::initMessageRows()
{
    for (int row = 0; row < kMessageRows; ++row)
        messagesTable()->setItem(row, 0, new QTableWidgetItem(QString()));
}

int AUK_90004::insertMessage(const QString &text, int row, bool replace)
{
    QTableWidget *table = messagesTable();
    if (row < 0) {
        qWarning() << "AUK_90004::insertMessage: no row" << row;
        return table->rowCount();
    }
    row = qMin(row, kMessageRows - 1);
    if (row >= table->rowCount())
        return table->rowCount();
    table->removeRow(replace ? row : kMessageRows - 1);
    table->insertRow(row);
    table->setItem(row, 0, new QTableWidgetItem(text));
    updateMessagesVisibility();
    return 0;
}

void AUK_90004::updateMessagesVisibility()
{
    QTableWidget *table = messagesTable();
    bool empty = true;
    for (int row = 0; row < table->rowCount() && empty; ++row) {
        const QTableWidgetItem *item = table->item(row, 0);
        empty = !item || item->text().isEmpty();
    }
    messagesLabel()->setVisible(empty);
    table->setVisible(!empty);
    table->viewport()->update();
}
