#include "screens/popups/AUK_40049.h"

#include "app/PageStack.h"
#include "link/DisablementFunctionID.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/PointIndividualAddress.h"
#include "pointmodels/PointListsByPanel.h"
#include "screens/popups/AUK_40062.h"
#include "screens/popups/AUK_40064.h"
#include "screens/popups/PopupOptions.h"
#include "widgets/AUK_90003.h"
#include "widgets/FontRepository.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDebug>
#include <QLabel>

#include <array>

namespace {

constexpr int CancelPopupKeyId = 3;
constexpr int EnablePopupKeyId = 8;
constexpr int BothDirections = 3;

enum Role : int {
    PanelRole = 33,
    PointNumberRole = 35,
    ChannelAddressRole = 38,
    ChannelNumberRole = 43,
    PointRole = 65,
    ChannelKindRole = 70,
};

// The point maps in which a point is in an active state: outputs forced on
// and pulsing, inputs forced on, and the controller's active, alarm and
// test maps.
constexpr std::array<int, 9> ActiveStatePages{{137, 142, 143, 140, 131, 145, 135, 136, 144}};

quint8 byteOf(const QModelIndex &row, int role)
{
    return quint8(row.data(role).toUInt());
}

quint32 channelOf(const AUK_40049::PointKey &key)
{
    return quint32(key.panel) << 24 | quint32(key.kind) << 16 | quint32(key.number) << 8 | key.address;
}

} // namespace

AUK_40049::AUK_40049(const QModelIndex &index, QObject *owner, AUK_40064 *warningPopup,
                     const QMap<quint8, SC_PointsIndividual *> *, QWidget *parent)
    : AUK_20002(parent)
    , m_secondaryTitle(new QLabel(this))
    , m_selectedItem(PopupOptions::optionItem(this, "selectedItem", 141, tr("_SELECTED_323_32_BODYTEXTSTYLE")))
    , m_selectedNormalItem(
          PopupOptions::optionItem(this, "selectedNormalItem", 191, tr("_SELECTED_NORMAL_323_32_BODYTEXTSTYLE")))
    , m_allNormalItem(PopupOptions::optionItem(this, "allNormalItem", 241, QString()))
    , m_index(index)
    , m_model(index.model())
    , m_owner(owner)
    , m_warningPopup(warningPopup)
{
    setObjectName(QStringLiteral("AUK_40049"));
    resize(640, 414);
    m_secondaryTitle->setObjectName(QStringLiteral("secondaryTitle"));
    m_secondaryTitle->setGeometry(140, 66, 368, 50);
    m_secondaryTitle->setAlignment(Qt::AlignCenter);
    m_secondaryTitle->setFont(FontRepository::instance()->bold15());
    PopupOptions::addRules(this, 4);
    m_selectedItem->setChecked(true);
    connect(this, &BasePopup::leftButtonClicked, this, &AUK_40049::Ok);
    connect(this, &BasePopup::rightButtonClicked, this, &AUK_40049::Cancel);
    m_allNormalItem->setText(tr("_ALL_NORMAL_323_32_BODYTEXTSTYLE") + QStringLiteral(" (%1)").arg(normalPointCount()));
    setLeftButtonTextById(EnablePopupKeyId);
    setRightButtonTextById(CancelPopupKeyId);
    setTitle(tr("_GENERAL_DISABLES_POPUPTITLE"));
    m_secondaryTitle->setText(tr("_GENERAL_DISABLES_POPUPTITLE"));
}

AUK_40049::~AUK_40049() = default;

QBitArray AUK_40049::activeStatePoints(const PointKey &key)
{
    const PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    QBitArray active(256);
    for (const int page : ActiveStatePages)
        active |= maps->channelPoints(page, key.panel, key.kind, key.number, key.address);
    return active;
}

bool AUK_40049::rowPointKey(const QModelIndex &row, PointKey *key)
{
    if (!PointListsByPanel::panelOf(row, &key->panel))
        return false;
    key->kind = byteOf(row, ChannelKindRole);
    key->number = byteOf(row, ChannelNumberRole);
    key->address = byteOf(row, ChannelAddressRole);
    key->point = byteOf(row, PointNumberRole);
    return true;
}

bool AUK_40049::isNormal(const PointKey &key)
{
    const quint32 channel = channelOf(key);
    auto found = m_activeByChannel.find(channel);
    if (found == m_activeByChannel.end())
        found = m_activeByChannel.insert(channel, activeStatePoints(key));
    return !found->testBit(key.point);
}

// A row without a panel names no point that could be enabled: it is not
// counted as normal.
int AUK_40049::normalPointCount()
{
    if (!m_model)
        return 0;
    int normal = 0;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        PointKey key;
        if (rowPointKey(m_model->index(row, 0), &key) && isNormal(key))
            ++normal;
    }
    return normal;
}

SC_PointsIndividual &AUK_40049::listOf(quint8 panel)
{
    auto list = m_listsByPanel.find(panel);
    if (list == m_listsByPanel.end()) {
        list = m_listsByPanel.insert(panel, SC_PointsIndividual());
        list->setPanel(panel);
    }
    return *list;
}

void AUK_40049::Cancel()
{
    PageStack::instance()->pop(1);
}

void AUK_40049::Ok()
{
    PageStack::instance()->pop(1);
    m_listsByPanel.clear();
    // A point may have turned active while the choice was open: what is
    // enabled as normal is judged on the maps as they are now.
    m_activeByChannel.clear();
    m_hasPoints = m_index.isValid();
    if (!m_hasPoints)
        return;
    if (m_allNormalItem->isChecked()) {
        if (!m_model) {
            qWarning() << "AUK_40049::Ok pointsModel is incorrect";
            return;
        }
        int appended = 0;
        for (int row = 0; row < m_model->rowCount(); ++row) {
            const QModelIndex index = m_model->index(row, 0);
            PointKey key;
            const QVariant point = index.data(PointRole);
            if (!index.isValid() || !rowPointKey(index, &key) || !point.canConvert<PointIndividualAddress>()) {
                qWarning() << "AUK_40049::Ok Skipping invalid model index.";
                continue;
            }
            SC_PointsIndividual &list = listOf(key.panel);
            if (isNormal(key)) {
                list.appendPoint(point.value<PointIndividualAddress>());
                ++appended;
            }
        }
        m_hasPoints = appended > 0;
        sendEnableRequest();
        return;
    }
    PointKey key;
    const QVariant point = m_index.data(PointRole);
    if (!rowPointKey(m_index, &key) || !point.canConvert<PointIndividualAddress>()) {
        qWarning() << "AUK_40049::Ok Skipping invalid model index.";
        return;
    }
    SC_PointsIndividual &list = listOf(key.panel);
    const bool goesIn = m_selectedItem->isChecked() || isNormal(key);
    if (goesIn)
        list.appendPoint(point.value<PointIndividualAddress>());
    if (list.containsFlaggedPoint()) {
        if (m_warningPopup)
            PageStack::instance()->push(m_warningPopup);
        else
            qWarning() << "AUK_40049::Ok the active-devices warning is gone; nothing sent";
        return;
    }
    m_hasPoints = goesIn;
    sendEnableRequest();
}

void AUK_40049::sendEnableRequest()
{
    const QMap<quint8, SC_PointsIndividual> lists = m_listsByPanel;
    const bool hasPoints = m_hasPoints;
    auto *progress = new AUK_40062(DISABLEMENT_ENABLE, false, m_owner, nullptr);
    PageStack::instance()->push(progress);
    QCoreApplication::processEvents();
    if (!hasPoints)
        return;
    for (const SC_PointsIndividual &list : lists) {
        if (list.count() > 0)
            progress->sendPoints(BothDirections, list);
    }
}
