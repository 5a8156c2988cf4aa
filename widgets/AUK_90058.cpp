#include "widgets/AUK_90058.h"

#include "widgets/InfoBoxDelegate.h"
#include "widgets/PaletteRepository.h"

#include <QLabel>
#include <QTableWidget>

AUK_90058::AUK_90058(QWidget *parent)
    : AUK_90004Base(parent, INFO_BUTTON)
{
    QTableWidget *table = messagesTable();
    messagesLabel()->hide();
    forwardTouches(table);
    table->setItemDelegate(messagesDelegate());
    table->setColumnCount(2);
    table->setColumnWidth(0, 116);
    table->setColumnWidth(1, 50);
    refreshCounters(m_tableRows, messagesLabel(), table, false);
    QPalette white = table->palette();
    white.setColor(QPalette::Base, PaletteRepository::white());
    table->setPalette(white);
    for (int row = 0; row < table->rowCount(); ++row)
        table->setItem(row, 0, new QTableWidgetItem(QString()));
}

void AUK_90058::setTableText(int row, const QString &label, int kind)
{
    defineRow(messagesTable(), m_tableRows, row, label, kind);
}

void AUK_90058::setTableNumber(int row, int number)
{
    writeValue(messagesTable(), m_tableRows, messagesLabel(), false, row, countText(number));
}

void AUK_90058::setTableLabel(int row, const QString &text)
{
    relabel(messagesTable(), m_tableRows, row, text);
}
