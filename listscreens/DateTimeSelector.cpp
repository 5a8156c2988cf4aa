#include "listscreens/DateTimeSelector.h"

#include "paneldata/DateTime.h"
#include "widgets/AUK_90015.h"
#include "widgets/AUK_90048.h"
#include "widgets/AUK_90054.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPixmap>
#include <QStackedWidget>

namespace {

const char *const LongMonths[] = {
    QT_TRANSLATE_NOOP("DateTimeSelector", "_JANUARY_LISTITEM"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_FEBRUARY_LISTITEM"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_MARCH_LISTITEM"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_APRIL_LISTITEM"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_MAY_LISTITEM"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_JUNE_LISTITEM"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_JULY_LISTITEM"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_AUGUST_LISTITEM"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_SEPTEMBER_LISTITEM"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_OCTOBER_LISTITEM"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_NOVEMBER_LISTITEM"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_DECEMBER_LISTITEM"),
};

const char *const ShortMonths[] = {
    QT_TRANSLATE_NOOP("DateTimeSelector", "_JAN_SOFTBTN"), QT_TRANSLATE_NOOP("DateTimeSelector", "_FEB_SOFTBTN"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_MAR_SOFTBTN"), QT_TRANSLATE_NOOP("DateTimeSelector", "_APR_SOFTBTN"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_MAY_SOFTBTN"), QT_TRANSLATE_NOOP("DateTimeSelector", "_JUN_SOFTBTN"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_JUL_SOFTBTN"), QT_TRANSLATE_NOOP("DateTimeSelector", "_AUG_SOFTBTN"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_SEP_SOFTBTN"), QT_TRANSLATE_NOOP("DateTimeSelector", "_OCT_SOFTBTN"),
    QT_TRANSLATE_NOOP("DateTimeSelector", "_NOV_SOFTBTN"), QT_TRANSLATE_NOOP("DateTimeSelector", "_DEC_SOFTBTN"),
};

constexpr int ButtonsY = 48;
constexpr int CaptionY = 30;
constexpr int CaptionHeight = 18;
constexpr int SeparatorWidth = 8;
// The day is lowered from here only: every month has 28 days.
constexpr int DaysOfEveryMonth = 28;

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

bool isNumber(const QString &text)
{
    bool ok = false;
    text.toUInt(&ok);
    return ok;
}

} // namespace

DateTimeSelector::DateTimeSelector(QButtonGroup *group, QObject *parent, quint8 extraYears)
    : FilterSelector(group, parent, false)
{
    m_usesScrollButtons = true;

    m_panel = new QWidget;
    const QPixmap frame(QStringLiteral("../resources/Frames/AUK_80173_event_log_buttn_group.png"));
    QPalette palette = m_panel->palette();
    palette.setBrush(QPalette::All, m_panel->backgroundRole(), QBrush(frame));
    m_panel->setPalette(palette);
    m_panel->setAutoFillBackground(true);
    m_panel->setMinimumSize(frame.size());
    m_panel->setMaximumSize(frame.size());
    m_panel->resize(326, 112);

    m_title = new QLabel(m_panel.data());
    m_title->setFont(FontRepository::instance()->bold15());
    // The frame is dark: its texts are white.
    m_title->setPalette(PaletteRepository::instance()->whiteTextPalette());
    m_title->setGeometry(9, 9, 200, 20);
    m_title->setAlignment(Qt::AlignTop | (QGuiApplication::isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft));

    int x = 3;
    m_yearButton = addButton(x, tr("_YEAR_WIDESOFTBTNLABEL"), true, &DateTimeSelector::yearClicked);
    x += m_yearButton->width();
    m_monthButton = addButton(x, tr("_MONTH_WIDESOFTBTNLABEL"), true, &DateTimeSelector::monthClicked);
    x += m_monthButton->width();
    m_dayButton = addButton(x, tr("_DAY_SOFTBTNLABEL"), false, &DateTimeSelector::dayClicked);
    x += m_dayButton->width();
    m_hourButton = addButton(x, tr("_HOUR_SOFTBTNLABEL"), false, &DateTimeSelector::hourClicked);
    x += m_hourButton->width();
    auto *colon = new QLabel(QStringLiteral(":"), m_panel.data());
    colon->setFont(FontRepository::instance()->bold15());
    colon->setPalette(PaletteRepository::instance()->whiteTextPalette());
    colon->setAlignment(Qt::AlignCenter);
    colon->setGeometry(x, ButtonsY, SeparatorWidth, m_hourButton->height());
    x += SeparatorWidth;
    m_minuteButton = addButton(x, tr("_MINUTE_SOFTBTNLABEL"), false, &DateTimeSelector::minuteClicked);
    connect(m_hourButton, &QAbstractButton::toggled, this, &DateTimeSelector::hourToggled);
    connect(m_minuteButton, &QAbstractButton::toggled, this, &DateTimeSelector::minuteToggled);

    m_editor = new QStackedWidget;
    m_yearList = addList(&DateTimeSelector::yearItemClicked);
    m_monthList = addList(&DateTimeSelector::monthItemClicked);
    m_dayList = addList(&DateTimeSelector::dayItemClicked);
    m_keypad = new AUK_90015(m_editor.data());
    m_keypad->setNumericOnly(true);
    m_keypad->setOkButtonVisible(false);
    m_editor->addWidget(m_keypad);

    const QDateTime now = DateTime::panelDateTime();
    fillYears(now.date().year() + extraYears);
    fillMonths();
    setDateTime(now);
    showList(m_yearList);
}

DateTimeSelector::~DateTimeSelector()
{
    delete m_panel.data();
    delete m_editor.data();
}

AUK_90054 *DateTimeSelector::addButton(int x, const QString &caption, bool wide, void (DateTimeSelector::*onClick)())
{
    auto *button = new AUK_90054(m_panel.data(), wide);
    button->setCheckable(true);
    button->move(x, ButtonsY);
    auto *label = new QLabel(caption, m_panel.data());
    label->setFont(FontRepository::instance()->normal15());
    label->setPalette(PaletteRepository::instance()->whiteTextPalette());
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(x, CaptionY, button->width(), CaptionHeight);
    connect(button, &QAbstractButton::clicked, this, onClick);
    connect(button, &QAbstractButton::clicked, this, &FilterSelector::activated);
    if (m_group)
        m_group->addButton(button);
    return button;
}

AUK_90048 *DateTimeSelector::addList(void (DateTimeSelector::*onClick)(const QModelIndex &))
{
    auto *list = new AUK_90048(m_editor.data());
    styleList(list, false);
    connect(list->listView(), &QAbstractItemView::clicked, this, onClick);
    m_editor->addWidget(list);
    return list;
}

QWidget *DateTimeSelector::button()
{
    return m_panel.data();
}

QWidget *DateTimeSelector::filterEditor()
{
    return m_editor.data();
}

void DateTimeSelector::setTitle(const QString &title)
{
    m_title->setText(title);
}

void DateTimeSelector::fillYears(int lastYear)
{
    if (lastYear < 0)
        lastYear = DateTime::panelDateTime().date().year();
    m_yearModel.clear();
    for (int year = FirstYear; year <= lastYear; ++year) {
        auto *item = new QStandardItem(QString::number(year));
        item->setEditable(false);
        m_yearModel.appendRow(item);
    }
    m_yearList->installSelectorDelegate(&m_yearModel);
}

void DateTimeSelector::fillMonths()
{
    m_monthModel.clear();
    for (int month = 0; month < 12; ++month) {
        auto *item = new QStandardItem(tr(LongMonths[month]));
        item->setEditable(false);
        item->setData(tr(ShortMonths[month]), ShortMonthRole);
        m_monthModel.appendRow(item);
    }
    m_monthList->installSelectorDelegate(&m_monthModel);
}

int DateTimeSelector::selectedMonth() const
{
    const QModelIndexList selected = m_monthList->listView()->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? 0 : selected.first().row() + 1;
}

void DateTimeSelector::fillDays()
{
    m_dayModel.clear();
    const QDate first(m_yearButton->buttonValue().toInt(), qMax(selectedMonth(), 1), 1);
    const int days = selectedMonth() > 0 && first.isValid() ? first.daysInMonth() : 0;
    for (int day = 1; day <= days; ++day) {
        auto *item = new QStandardItem(twoDigits(day));
        item->setEditable(false);
        m_dayModel.appendRow(item);
    }
    m_dayList->installSelectorDelegate(&m_dayModel);
}

void DateTimeSelector::makeDayValid()
{
    int day = m_dayButton->buttonValue().toInt();
    if (day <= DaysOfEveryMonth)
        return;
    // Without a month or with a year that forms no date, the day comes down
    // to one that every month has.
    const int year = m_yearButton->buttonValue().toInt();
    const int month = selectedMonth();
    while (day > DaysOfEveryMonth && !QDate(year, month, day).isValid())
        --day;
    m_dayButton->setButtonValue(twoDigits(day));
}

void DateTimeSelector::setDateTime(const QDateTime &value)
{
    const QDate date = value.date();
    m_yearButton->setButtonValue(QString::number(date.year()));
    const QModelIndexList years = m_yearModel.match(m_yearModel.index(0, 0), Qt::DisplayRole,
                                                    QString::number(date.year()), 1, Qt::MatchStartsWith);
    if (!years.isEmpty()) {
        m_yearList->flicker()->animateTo(years.first());
        m_yearList->listView()->selectionModel()->select(years.first(), QItemSelectionModel::ClearAndSelect);
    }
    const QModelIndex month = m_monthModel.index(date.month() - 1, 0);
    if (month.isValid()) {
        m_monthButton->setButtonValue(month.data(ShortMonthRole).toString());
        m_monthList->flicker()->animateTo(month);
        m_monthList->listView()->selectionModel()->select(month, QItemSelectionModel::ClearAndSelect);
    }
    fillDays();
    m_dayButton->setButtonValue(twoDigits(date.day()));
    m_hourButton->setButtonValue(twoDigits(value.time().hour()));
    m_minuteButton->setButtonValue(twoDigits(value.time().minute()));
}

QDateTime DateTimeSelector::selectedDateTime() const
{
    if (m_yearModel.rowCount() == 0)
        return {};
    const QModelIndexList years = m_yearList->listView()->selectionModel()->selectedIndexes();
    const int year = years.isEmpty() ? 0 : int(years.first().data().toString().toUInt());
    const QDate date(year, selectedMonth(), m_dayButton->buttonValue().toInt());
    const QTime time(m_hourButton->buttonValue().toInt(), m_minuteButton->buttonValue().toInt(), 0, 0);
    return QDateTime(date, time, Qt::UTC);
}

void DateTimeSelector::reset(bool)
{
}

void DateTimeSelector::activate()
{
}

void DateTimeSelector::deactivate()
{
}

void DateTimeSelector::dropScrollTargets()
{
    for (AUK_90048 *list : {m_yearList, m_monthList, m_dayList}) {
        disconnect(this, nullptr, list, nullptr);
        disconnect(list, nullptr, this, nullptr);
    }
}

void DateTimeSelector::showList(AUK_90048 *list)
{
    m_editor->setCurrentWidget(list);
    // A list moved to its chosen row while it was never shown has not moved
    // at all: bring the row into view now that the list is shown.
    const QModelIndexList chosen = list->listView()->selectionModel()->selectedIndexes();
    if (!chosen.isEmpty())
        list->listView()->scrollTo(chosen.first(), QAbstractItemView::PositionAtCenter);
    dropScrollTargets();
    connect(this, &FilterSelector::scrollUpButtonClicked, list, &AUK_90048::scrollUpButtonClicked);
    connect(this, &FilterSelector::scrollDownButtonClicked, list, &AUK_90048::scrollDownButtonClicked);
    connect(this, &FilterSelector::scrollUpButtonHeld, list, &AUK_90048::scrollUpButtonHeld);
    connect(this, &FilterSelector::scrollDownButtonHeld, list, &AUK_90048::scrollDownButtonHeld);
    connect(this, &FilterSelector::updateScrollBarButtons, list, &AUK_90048::updateScrollBarButtons);
    connect(list, &AUK_90048::scrollBarAtStart, this, &FilterSelector::scrollBarAtStart);
    connect(list, &AUK_90048::scrollBarAtEnd, this, &FilterSelector::scrollBarAtEnd);
}

void DateTimeSelector::yearClicked()
{
    showList(m_yearList);
}

void DateTimeSelector::monthClicked()
{
    showList(m_monthList);
}

void DateTimeSelector::dayClicked()
{
    QItemSelectionModel *selection = m_dayList->listView()->selectionModel();
    bool ok = false;
    const int day = m_dayButton->buttonValue().toInt(&ok);
    const QModelIndex row = m_dayModel.index(day - 1, 0);
    if (selection && ok && row.isValid())
        selection->select(row, QItemSelectionModel::ClearAndSelect);
    showList(m_dayList);
}

void DateTimeSelector::showKeypad(void (DateTimeSelector::*onDigit)(const QString &),
                                  void (DateTimeSelector::*onDelete)())
{
    dropScrollTargets();
    disconnect(m_keypad, nullptr, this, nullptr);
    m_keypad->activeNumericDelButton();
    connect(m_keypad, &AUK_90015::clicked, this, onDigit);
    connect(m_keypad, &AUK_90015::del, this, onDelete);
    m_editor->setCurrentWidget(m_keypad);
}

void DateTimeSelector::hourClicked()
{
    showKeypad(&DateTimeSelector::hourDigitTyped, &DateTimeSelector::clearHour);
}

void DateTimeSelector::minuteClicked()
{
    showKeypad(&DateTimeSelector::minuteDigitTyped, &DateTimeSelector::clearMinute);
}

void DateTimeSelector::clearPending()
{
    m_hourDigitPending = false;
    m_minuteDigitPending = false;
}

void DateTimeSelector::yearItemClicked(const QModelIndex &index)
{
    m_yearButton->setButtonValue(index.data().toString());
    fillDays();
    makeDayValid();
    clearPending();
}

void DateTimeSelector::monthItemClicked(const QModelIndex &index)
{
    fillDays();
    m_monthButton->setButtonValue(index.data(ShortMonthRole).toString());
    makeDayValid();
    clearPending();
}

void DateTimeSelector::dayItemClicked(const QModelIndex &index)
{
    m_dayButton->setButtonValue(index.data().toString());
    clearPending();
}

void DateTimeSelector::hourDigitTyped(const QString &digit)
{
    if (!isNumber(digit))
        return;
    m_minuteDigitPending = false;
    const QString hour = m_hourButton->buttonValue();
    const int typed = digit.toInt();
    if ((!m_hourDigitPending || hour.isEmpty()) && typed <= 2) {
        m_keypad->activeNumericDelButton();
        m_hourButton->setButtonValue(digit);
        m_hourDigitPending = true;
        return;
    }
    if (hour.size() != 1)
        return;
    m_keypad->activeNumericDelButton();
    if (hour.at(0).isDigit() && (hour.at(0).digitValue() < 2 || typed <= 3)) {
        m_hourButton->setButtonValue(hour + digit);
        m_hourDigitPending = false;
    }
}

void DateTimeSelector::minuteDigitTyped(const QString &digit)
{
    if (!isNumber(digit))
        return;
    m_hourDigitPending = false;
    const QString minute = m_minuteButton->buttonValue();
    if ((!m_minuteDigitPending || minute.isEmpty()) && digit.toInt() <= 5) {
        m_keypad->activeNumericDelButton();
        m_minuteButton->setButtonValue(digit);
        m_minuteDigitPending = true;
        return;
    }
    if (minute.size() != 1)
        return;
    m_keypad->activeNumericDelButton();
    m_minuteButton->setButtonValue(minute + digit);
    m_minuteDigitPending = false;
}

void DateTimeSelector::clearHour()
{
    m_keypad->greyOutNumericDelButton();
    m_hourButton->setButtonValue(QString());
    m_hourDigitPending = false;
}

void DateTimeSelector::clearMinute()
{
    m_keypad->greyOutNumericDelButton();
    m_minuteButton->setButtonValue(QString());
    m_minuteDigitPending = false;
}

namespace {

// A field left empty reads "00", a single digit gets its leading zero.
void completeTwoDigits(AUK_90054 *button)
{
    const QString value = button->buttonValue();
    if (value.size() < 2)
        button->setButtonValue(value.rightJustified(2, QLatin1Char('0')));
}

} // namespace

void DateTimeSelector::hourToggled(bool checked)
{
    if (!checked)
        completeTwoDigits(m_hourButton);
    clearPending();
}

void DateTimeSelector::minuteToggled(bool checked)
{
    if (!checked)
        completeTwoDigits(m_minuteButton);
    clearPending();
}
