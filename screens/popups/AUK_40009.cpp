#include "screens/popups/AUK_40009.h"

#include "app/PageStack.h"
#include "link/DisablementFunctionID.h"
#include "link/SC_PointsWildCard.h"
#include "link/SyncClient.h"
#include "pointmodels/PointListsByPanel.h"
#include "screens/popups/AUK_40008.h"
#include "screens/popups/AUK_40062.h"
#include "widgets/AUK_90003.h"
#include "widgets/PaletteRepository.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDebug>
#include <QFrame>
#include <QVector>

#include <algorithm>
#include <array>

namespace {

constexpr int OkPopupKeyId = 10;
constexpr int CancelPopupKeyId = 3;
constexpr int DisablePopupKeyId = 6;
constexpr int EnablePopupKeyId = 8;

// What OK does: send individual points, send a zone wildcard per row, or ask
// the controller to update the signalling points' status.
enum class Road { Points, Zone, Signalling };

enum Action : int { Enable = DISABLEMENT_ENABLE, Disable = DISABLEMENT_DISABLE };

struct TypeRow
{
    const char *title;
    // The two lists of disablements share their title with the general
    // disables popup.
    const char *titleContext;
    // Null: the form's selected-point text.
    const char *selectedText;
    bool enableKey;
    Road road;
    Action action;
    // 1 inputs, 2 outputs, 3 both.
    int direction;
    // The signalling road's request: 0 on, 3 off.
    int statusCommand;
};

constexpr char Context[] = "AUK_40009";
constexpr char DisablesContext[] = "AUK_40049";
constexpr int SignallingOn = 0;
constexpr int SignallingOff = 3;
constexpr const char *SelectedZone = QT_TRANSLATE_NOOP("AUK_40009", "_SELECTED_ZONE_303_32_BODYTEXTSTYLE");
constexpr const char *SelectedPanel = QT_TRANSLATE_NOOP("AUK_40009", "_SELECTED_PANEL_303_32_BODYTEXTSTYLE");

// clang-format off
const std::array<TypeRow, AUK_40009::TypeCount> Types{{
    /* 0 */ {QT_TRANSLATE_NOOP("AUK_40009", "_FIRES_POPUPTITLE"), Context, nullptr, true, Road::Points, Enable, 3, 0},
    /* 1 */ {QT_TRANSLATE_NOOP("AUK_40009", "_FIRES_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 2 */ {QT_TRANSLATE_NOOP("AUK_40009", "_FIRES_POPUPTITLE"), Context, SelectedZone, true, Road::Zone, Enable, 3, 0},
    /* 3 */ {QT_TRANSLATE_NOOP("AUK_40009", "_FIRES_POPUPTITLE"), Context, SelectedZone, false, Road::Zone, Disable, 3, 0},
    /* 4 */ {QT_TRANSLATE_NOOP("AUK_40009", "_GENERAL_FIRE_WARNINGS_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 5 */ {QT_TRANSLATE_NOOP("AUK_40009", "_GENERAL_FAULTS_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 6 */ {QT_TRANSLATE_NOOP("AUK_40049", "_GENERAL_DISABLES_POPUPTITLE"), DisablesContext, QT_TRANSLATE_NOOP("AUK_40009", "_SELECTED_POINT_303_32_BODYTEXTSTYLE"), true, Road::Points, Enable, 3, 0},
    /* 7 */ {QT_TRANSLATE_NOOP("AUK_40049", "_GENERAL_DISABLES_POPUPTITLE"), DisablesContext, SelectedZone, true, Road::Zone, Enable, 3, 0},
    /* 8 */ {QT_TRANSLATE_NOOP("AUK_40009", "_GENERAL_TEST_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 9 */ {QT_TRANSLATE_NOOP("AUK_40009", "_PANEL_FIRE_WARNINGS_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 10 */ {QT_TRANSLATE_NOOP("AUK_40009", "_PANEL_MAINS_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 11 */ {QT_TRANSLATE_NOOP("AUK_40009", "_PANEL_SYSTEM_FAULT_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 12 */ {QT_TRANSLATE_NOOP("AUK_40009", "_PANEL_DAYNIGHT_MODE_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 13 */ {QT_TRANSLATE_NOOP("AUK_40009", "_SOUNDERS_ALL_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 2, 0},
    /* 14 */ {QT_TRANSLATE_NOOP("AUK_40009", "_SOUNDERS_ACTIVE_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 2, 0},
    /* 15 */ {QT_TRANSLATE_NOOP("AUK_40009", "_SOUNDERS_FAULTS_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 2, 0},
    /* 16 */ {QT_TRANSLATE_NOOP("AUK_40009", "_SOUNDERS_DISABLES_POPUPTITLE"), Context, nullptr, true, Road::Points, Enable, 2, 0},
    /* 17 */ {QT_TRANSLATE_NOOP("AUK_40009", "_SIGNALLING_ALL_POPUPTITLE"), Context, SelectedPanel, false, Road::Signalling, Disable, 3, SignallingOn},
    /* 18 */ {QT_TRANSLATE_NOOP("AUK_40009", "_SIGNALLING_ACTIVE_POPUPTITLE"), Context, SelectedPanel, false, Road::Signalling, Disable, 3, SignallingOn},
    /* 19 */ {QT_TRANSLATE_NOOP("AUK_40009", "_SIGNALLING_FAULTS_POPUPTITLE"), Context, SelectedPanel, false, Road::Signalling, Disable, 3, SignallingOn},
    /* 20 */ {QT_TRANSLATE_NOOP("AUK_40009", "_SIGNALLING_DISABLES_POPUPTITLE"), Context, SelectedPanel, true, Road::Signalling, Enable, 3, SignallingOff},
    /* 21 */ {QT_TRANSLATE_NOOP("AUK_40009", "_PROTECTION_ALL_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 22 */ {QT_TRANSLATE_NOOP("AUK_40009", "_PROTECTION_ACTIVE_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 23 */ {QT_TRANSLATE_NOOP("AUK_40009", "_PROTECTION_FAULTS_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 24 */ {QT_TRANSLATE_NOOP("AUK_40009", "_PROTECTION_DISABLES_POPUPTITLE"), Context, nullptr, true, Road::Points, Enable, 3, 0},
    /* 25 */ {QT_TRANSLATE_NOOP("AUK_40009", "_CONTROLS_ALL_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 2, 0},
    /* 26 */ {QT_TRANSLATE_NOOP("AUK_40009", "_CONTROLS_ACTIVE_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 2, 0},
    /* 27 */ {QT_TRANSLATE_NOOP("AUK_40009", "_CONTROLS_FAULTS_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 2, 0},
    /* 28 */ {QT_TRANSLATE_NOOP("AUK_40009", "_CONTROLS_DISABLES_POPUPTITLE"), Context, nullptr, true, Road::Points, Enable, 2, 0},
    /* 29 */ {QT_TRANSLATE_NOOP("AUK_40009", "_ZONE_FIRE_WARNINGS_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 30 */ {QT_TRANSLATE_NOOP("AUK_40009", "_DEVICE_DATES_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 31 */ {QT_TRANSLATE_NOOP("AUK_40009", "_DEVICE_DATES_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 32 */ {QT_TRANSLATE_NOOP("AUK_40009", "_DEVICE_DATES_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
    /* 33 */ {QT_TRANSLATE_NOOP("AUK_40009", "_DEVICE_DATES_POPUPTITLE"), Context, nullptr, false, Road::Points, Disable, 3, 0},
}};
// clang-format on

// A type outside the table keeps the form's texts and disables points.
const TypeRow UnknownType{nullptr, Context, nullptr, false, Road::Points, Disable, 3, 0};

const TypeRow &rowOf(int type)
{
    return type >= 0 && type < AUK_40009::TypeCount ? Types[size_t(type)] : UnknownType;
}

// The zone map of a zone wildcard: 241 bits, one for each zone selector,
// eight to a byte with the lowest bit first. Only bit 0 is set: the zone
// byte of the pattern names the zone.
constexpr int ZoneMapBytes = 31;

SC_PointsWildCard zoneScope(quint8 panel, quint8 zone)
{
    SC_PointsWildCard scope(panel, 7, 255, 15, 255, 127, 0, 0, SC_PointsWildCard::MappedSelector, zone, 0);
    scope.addMappingOffset(0x01);
    for (int byte = 1; byte < ZoneMapBytes; ++byte)
        scope.addMappingOffset(0x00);
    return scope;
}

bool zoneScopeOf(const QModelIndex &row, QVector<SC_PointsWildCard> &scopes)
{
    quint8 panel = 0;
    if (!PointListsByPanel::panelOf(row, &panel))
        return false;
    scopes.append(zoneScope(panel, quint8(row.data(34).toUInt())));
    return true;
}

AUK_40062 *pushProgress(Action action)
{
    auto *progress = new AUK_40062(action, false, nullptr, nullptr);
    PageStack::instance()->push(progress);
    QCoreApplication::processEvents();
    return progress;
}

void addLine(QWidget *parent, const char *name, int y)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(147, y, 345, 16);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    QPalette palette = line->palette();
    palette.setColor(QPalette::All, QPalette::WindowText, PaletteRepository::midGrey());
    line->setPalette(palette);
}

AUK_90003 *choice(QWidget *parent, const char *name, int y, const QString &text)
{
    auto *item = new AUK_90003(parent);
    item->setObjectName(QLatin1String(name));
    item->setGeometry(150, y, 340, 32);
    item->setText(text);
    return item;
}

} // namespace

AUK_40009::AUK_40009(int type, const QPersistentModelIndex &index, bool statusRequestFlag, int count,
                     TC::eFaultsLevel level, QWidget *parent)
    : AUK_20003(parent)
    , m_selectedItem(choice(this, "selectedItem", 137, tr("_SELECTED_POINT_303_32_BODYTEXTSTYLE")))
    , m_allItem(choice(this, "allItem", 188, QString()))
    , m_index(index)
    , m_model(index.model())
    , m_type(type)
    , m_count(count)
    , m_level(level)
    , m_statusRequestFlag(statusRequestFlag)
{
    qRegisterMetaType<TC::eFaultsLevel>("TC::eFaultsLevel");
    setObjectName(QStringLiteral("AUK_40009"));
    resize(640, 414);
    setTitle(tr("_DISABLE_ON_POPUPTITLE"));
    m_selectedItem->setChecked(true);
    setLeftButtonTextById(OkPopupKeyId);
    setRightButtonTextById(CancelPopupKeyId);
    connect(this, &BasePopup::rightButtonClicked, this, &AUK_40009::Cancel);
    addLine(this, "line_3", 120);
    addLine(this, "line_4", 170);
    addLine(this, "line_5", 220);
    const int shown = count >= 0 || !m_model ? count : m_model->rowCount();
    m_allItem->setText(tr("_ALL_303_32_BODYTEXTSTYLE") + QStringLiteral(" (%1)").arg(std::max(shown, 0)));
    if (count < 0)
        connect(this, &BasePopup::leftButtonClicked, this, &AUK_40009::Ok);
    else
        connect(this, &BasePopup::leftButtonClicked, this, &AUK_40009::checkSelectionAndEmit);
    applyType();
}

AUK_40009::~AUK_40009() = default;

void AUK_40009::applyType()
{
    const TypeRow &row = rowOf(m_type);
    setLeftButtonTextById(DisablePopupKeyId);
    if (row.enableKey)
        setLeftButtonTextById(EnablePopupKeyId);
    if (row.title)
        setTitle(QCoreApplication::translate(row.titleContext, row.title));
    if (row.selectedText)
        m_selectedItem->setText(tr(row.selectedText));
}

void AUK_40009::Cancel()
{
    PageStack::instance()->pop(1);
}

void AUK_40009::checkSelectionAndEmit()
{
    emit selectedItem(m_index, m_level, m_selectedItem->isChecked());
}

// Everything the request needs is read before the popup leaves the stack:
// after the pop nothing of it is touched.
void AUK_40009::Ok()
{
    const TypeRow &row = rowOf(m_type);
    const bool selectedOnly = m_selectedItem->isChecked();
    const QAbstractItemModel *model = m_model.data();
    const QPersistentModelIndex index = m_index;
    const bool statusRequestFlag = m_statusRequestFlag;
    PageStack::instance()->pop(1);
    if (!model) {
        qWarning() << "AUK_40009::Ok the list is gone; nothing sent";
        return;
    }
    switch (row.road) {
    case Road::Points: {
        PointListsByPanel lists;
        if (selectedOnly)
            lists.addRow(index);
        else
            lists.addRows(*model);
        AUK_40062 *progress = pushProgress(row.action);
        for (const SC_PointsIndividual &list : lists.lists()) {
            if (list.count() > 0)
                progress->sendPoints(row.direction, list);
        }
        break;
    }
    case Road::Zone: {
        QVector<SC_PointsWildCard> scopes;
        if (selectedOnly) {
            zoneScopeOf(index, scopes);
        } else {
            for (int r = 0; r < model->rowCount(); ++r)
                zoneScopeOf(model->index(r, 0), scopes);
        }
        AUK_40062 *progress = pushProgress(row.action);
        for (const SC_PointsWildCard &scope : qAsConst(scopes))
            progress->sendPoints(3, scope);
        break;
    }
    case Road::Signalling: {
        quint8 panel = TC::cAllPanels;
        if (selectedOnly && !PointListsByPanel::panelOf(index, &panel)) {
            qWarning() << "AUK_40009::Ok the selected row names no panel; nothing sent";
            return;
        }
        const bool on = row.statusCommand == SignallingOn;
        auto *progress = new AUK_40008(1,
                                       on ? QCoreApplication::translate("QObject", "_DISABLE_ON_PROGRESS_POPUPTITLE")
                                          : QCoreApplication::translate("QObject", "_DISABLE_OFF_PROGRESS_POPUPTITLE"),
                                       on ? QCoreApplication::translate("QObject", "_DISABLE_ON_214_18_INFOTEXTSTYLE")
                                          : QCoreApplication::translate("QObject", "_DISABLE_OFF_214_18_INFOTEXTSTYLE"),
                                       nullptr);
        connect(progress, &BasePopup::rightButtonClicked, PageStack::instance(), qOverload<>(&PageStack::pop));
        PageStack::instance()->push(progress);
        SyncClient::instance()->sendPointStatusUpdateRequest(quint8(row.statusCommand), panel,
                                                             statusRequestFlag ? 8 : 9);
        progress->tasksCompleted(1);
        QCoreApplication::processEvents();
        progress->setFinishedButtons();
        break;
    }
    }
}
