#pragma once

#include "widgets/BaseButton.h"

#include <QList>
#include <QPair>
#include <QPixmap>
#include <QString>
#include <QTableWidgetItem>

class InfoBoxDelegate;
class QLabel;
class QTableWidget;
class SC_Timer;

// The tall summary tile beside lists and menus: a title, a box of counters
// (label and four-digit count per row), a box of messages below and a
// caption. While the panel link is down the counters box blinks the link
// icon. A touch anywhere on it, tables included, is a click of the pane.
class AUK_90004Base : public BaseButton
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(bool m_useCountersZeroIcon READ useCountersZeroIcon WRITE setUseCountersZeroIcon)
    Q_PROPERTY(bool countersVisible READ countersVisible WRITE setCountersVisible)
    Q_PROPERTY(bool messagesVisible READ messagesVisible WRITE setMessagesVisible)
    Q_PROPERTY(bool tallCountersBox READ tallCountersBox WRITE setTallCountersBox)

public:
    // A row's kind is also the type of its table items.
    enum RowKind {
        LabelAndCount = QTableWidgetItem::UserType,
        CountWhenNotZero = QTableWidgetItem::UserType + 1,
        LabelOnly = QTableWidgetItem::UserType + 2,
    };

    AUK_90004Base(QWidget *parent, int buttonType);
    ~AUK_90004Base() override;

    QString text() const;
    void setText(const QString &text);
    QString title() const;
    void setTitle(const QString &title);
    bool useCountersZeroIcon() const { return m_useCountersZeroIcon; }
    void setUseCountersZeroIcon(bool use);
    bool countersVisible() const;
    void setCountersVisible(bool visible);
    bool messagesVisible() const;
    void setMessagesVisible(bool visible);
    bool tallCountersBox() const { return m_tallCountersBox; }
    void setTallCountersBox(bool tall);

    // The row setters ignore, with a warning, a row outside the table and
    // a value or label for a row never defined.
    void setMessage(int row, const QString &label, int kind);
    void setCounterNumber(int row, int number);
    void setCounterText(int row, const QString &text);
    void setCounterLabel(int row, const QString &text);
    void renameCounter(int row, const QString &text);
    // Column widths of the counters table: 0 to 4, else the default 1.
    void setBoxType(int type);
    void showCounterMessage(const QString &text);
    void setMessagesText(const QString &text);
    void setEnabledLook(bool enabled);

    // A count as the panes show it: at least four digits.
    static QString countText(int number);

public slots:
    void panelConnected(bool connected, bool backupConnected);
    void m_timerExpired();

protected:
    using Rows = QList<QPair<QString, QString>>;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // The shared work of the counters table and the second table of a
    // two-table pane.
    void defineRow(QTableWidget *table, Rows &rows, int row, const QString &label, int kind);
    void writeValue(QTableWidget *table, Rows &rows, QLabel *iconLabel, bool zeroIcon, int row, const QString &text);
    void relabel(QTableWidget *table, const Rows &rows, int row, const QString &text);
    void refreshCounters(const Rows &rows, QLabel *iconLabel, QTableWidget *table, bool zeroIcon);
    // Touches on the table and its viewport become clicks of the pane.
    void forwardTouches(QTableWidget *table);
    static void configureTable(QTableWidget *table, int rows, int columns);

    QTableWidget *countersTable() const { return m_countersTableWidget; }
    QTableWidget *messagesTable() const { return m_messagesTableWidget; }
    QLabel *messagesLabel() const { return m_messagesLabel; }
    InfoBoxDelegate *messagesDelegate() const { return m_messagesDelegate; }

private:
    QLabel *label(const char *name, const QRect &rect);
    static bool isRowInTable(const char *where, const QTableWidget *table, int row);

    QLabel *m_title;
    QLabel *m_box2;
    QTableWidget *m_messagesTableWidget;
    QLabel *m_messagesLabel;
    QLabel *m_box1;
    QTableWidget *m_countersTableWidget;
    QLabel *m_counterLabel;
    QLabel *m_labelText;
    Rows m_counters;
    bool m_connected = false;
    bool m_backupConnected = false;
    InfoBoxDelegate *m_countersDelegate;
    InfoBoxDelegate *m_messagesDelegate;
    QPixmap m_panelLinkIcon;
    QPixmap m_noFaultsIcon;
    bool m_useCountersZeroIcon = false;
    bool m_tallCountersBox = false;
    bool m_blinkPhase = false;
    SC_Timer *m_blinkTimer;
};
