#pragma once

#include "listscreens/FilterSelector.h"

#include <QDateTime>
#include <QPointer>
#include <QStandardItemModel>

class AUK_90015;
class AUK_90054;
class QLabel;
class QStackedWidget;

// A date and a time to the minute: five buttons (year, month, day, hour,
// minute) on a small panel, each opening its page of a stacked editor - the
// year, month and day lists or the numeric keypad. The buttons hold the
// values. It never reports a count, so it neither resets nor advances the
// other selectors of its screen.
class DateTimeSelector final : public FilterSelector
{
    Q_OBJECT

public:
    static constexpr int ShortMonthRole = 33;
    static constexpr int FirstYear = 1992;

    // The year list reaches extraYears beyond the panel's current year.
    DateTimeSelector(QButtonGroup *group, QObject *parent, quint8 extraYears);
    ~DateTimeSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

    void setTitle(const QString &title);
    void setDateTime(const QDateTime &value);
    // In UTC, like the panel's time it starts from; seconds are always 0.
    QDateTime selectedDateTime() const;

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;

private slots:
    void yearClicked();
    void monthClicked();
    void dayClicked();
    void hourClicked();
    void minuteClicked();
    void yearItemClicked(const QModelIndex &index);
    void monthItemClicked(const QModelIndex &index);
    void dayItemClicked(const QModelIndex &index);
    void hourDigitTyped(const QString &digit);
    void minuteDigitTyped(const QString &digit);
    void clearHour();
    void clearMinute();
    void hourToggled(bool checked);
    void minuteToggled(bool checked);

private:
    AUK_90054 *addButton(int x, const QString &caption, bool wide, void (DateTimeSelector::*onClick)());
    AUK_90048 *addList(void (DateTimeSelector::*onClick)(const QModelIndex &));
    void fillYears(int lastYear);
    void fillMonths();
    void fillDays();
    void makeDayValid();
    void showList(AUK_90048 *list);
    void dropScrollTargets();
    void showKeypad(void (DateTimeSelector::*onDigit)(const QString &), void (DateTimeSelector::*onDelete)());
    int selectedMonth() const;
    void clearPending();

    QPointer<QWidget> m_panel;
    QPointer<QStackedWidget> m_editor;
    AUK_90054 *m_yearButton;
    AUK_90054 *m_monthButton;
    AUK_90054 *m_dayButton;
    AUK_90054 *m_hourButton;
    AUK_90054 *m_minuteButton;
    AUK_90048 *m_yearList;
    AUK_90048 *m_monthList;
    AUK_90048 *m_dayList;
    AUK_90015 *m_keypad;
    QLabel *m_title;
    QStandardItemModel m_yearModel;
    QStandardItemModel m_monthModel;
    QStandardItemModel m_dayModel;
    bool m_hourDigitPending = false;
    bool m_minuteDigitPending = false;
};
