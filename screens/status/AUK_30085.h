#pragma once

#include "widgets/AUK_90001A.h"

class AUK_90006;
class AUK_90028;
class AUK_90029;
class QAbstractItemModel;
class RbusModel;
class ViewFiresModel;

// The fires screen: the active fires as cards, one per fire (the list
// view) or one per zone in fire (the zones view). The middle key switches
// between the views and keeps the card the operator looked at; the
// Scandinavian key steps through the zones and the help key shows the zone
// maps of the centre card. The fires come from the event log on Ethernet,
// else from the front-panel bus log; they are read when a view is shown,
// not as new fires arrive.
class AUK_30085 final : public AUK_90001A
{
    Q_OBJECT

public:
    // Zone 254 is every zone (the zones view under zone filtering), 255
    // every fire. The initial card counts from 1, negative from the last;
    // 0 moves nowhere.
    static constexpr quint8 AllZones = 254;
    static constexpr quint8 AllFires = 255;

    AUK_30085(int accessLevel, int userLevel, bool ethernet, int initialCard, quint8 zone, quint8 node,
              QWidget *parent);
    ~AUK_30085() override;

public slots:
    void switchViewMode();
    void disableOrEnableFires();
    void scandinavianPressed();
    void helpPressed();
    void checkLogin();
    void updateDisableButton();
    void setLozengeButtonVisibility();

private:
    enum ViewMode { ListView = 0, ZonesView = 1 };

    void buildForm();
    void connectKeys(int accessLevel);
    void showView(ViewMode mode);
    void rememberZone();
    void rememberAddress();
    void reload();
    void reloadFromEventLog();
    void reloadFromBus();
    QString firesQuery() const;
    void scrollToRememberedAddress();
    void scrollToRememberedZone();
    QAbstractItemModel *shownModel() const;
    // The centre card's index in the model shown; invalid without one.
    QModelIndex centreIndex() const;
    bool isCentrePointDisabled() const;
    void setDisableKeyText();
    bool keysAct() const;

    AUK_90006 *m_lozengeBar = nullptr;
    AUK_90029 *m_cards = nullptr;
    quint8 m_zone;
    quint8 m_node;
    AUK_90028 *m_fireCardDelegate;
    ViewFiresModel *m_firesModel;
    RbusModel *m_rbusModel = nullptr;
    bool m_ethernet;
    int m_viewMode = ListView;
    quint16 m_lowerSeqNo = 0;
    quint16 m_upperSeqNo = 0;
    QString m_rangeOperator;
    bool m_zoneRemembered = false;
    quint8 m_selZone = 0;
    quint8 m_selNode = 0;
    QString m_selAddress;
    bool m_zoneFilteringOn;
};
