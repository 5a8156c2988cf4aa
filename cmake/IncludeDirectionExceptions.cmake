# Includes that still reach a higher floor, each group with its reason.
# CheckIncludeDirection.cmake fails on any other upward include, and on an
# entry here that no longer happens: remove entries as the cause goes.
set(TESK_INCLUDE_EXCEPTIONS

    # The panel model still holds panel-wide facts the link and the panel data read (network
    # role, master panel, local control, the address form); they belong in the panel data
    # and move there with the screens that use them.
    "link/SC_PointsWildCard.cpp -> pointmodels/model.h"
    "link/Supervisor.cpp -> pointmodels/model.h"
    "link/SyncClient.cpp -> pointmodels/model.h"
    "link/sc_LkEventLog.cpp -> pointmodels/model.h"
    "link/sc_LkPointManagerServices.cpp -> pointmodels/model.h"
    "paneldata/CachedModifiedPoints.cpp -> pointmodels/model.h"
    "paneldata/PointAddressBuilderLK6.cpp -> pointmodels/model.h"
    "paneldata/PointIndividualAddress.cpp -> pointmodels/model.h"
    "paneldata/PrintableAddress.cpp -> pointmodels/model.h"
    "paneldata/SingleDevicePollingHandler.cpp -> pointmodels/model.h"

    # The engine-wide state (brand, connection, fire active) still lives with the start-up;
    # the panel data and the panel model read it directly until its LED and bus parts are
    # split from its plain state.
    "paneldata/CachedModifiedPoints.cpp -> app/SystemState.h"
    "paneldata/PrintableAddress.cpp -> app/SystemState.h"
    "pointmodels/model.cpp -> app/SystemState.h"
    "pointmodels/OutstandingEventsModel.cpp -> app/SystemState.h"

    # The access level is still held by the start-up's security; the event lists read it to
    # decide whether an engineer sees the physical address too.
    "pointmodels/EventLogQueryModel.cpp -> app/Security.h"

    # The receive dispatch still lists the sync-protocol packets' rows itself; the panel
    # data will register them.
    "link/SC_DispatchTable.cpp -> paneldata/sync/SC_ClearPanelDataPkt.h"
    "link/SC_DispatchTable.cpp -> paneldata/sync/SC_DataSignatureReqPkt.h"
    "link/SC_DispatchTable.cpp -> paneldata/sync/SC_HighPriorityStatusesAndCountsPkt.h"
    "link/SC_DispatchTable.cpp -> paneldata/sync/SC_LoggedOnUserInformationPagePkt.h"
    "link/SC_DispatchTable.cpp -> paneldata/sync/SC_SignatureTransferReqPkt.h"
    "link/SC_DispatchTable.cpp -> paneldata/sync/SC_SyncCompletePkt.h"
    "link/SC_DispatchTable.cpp -> paneldata/sync/SC_SyncPageDataUpdatePkt.h"
    "link/SC_DispatchTable.cpp -> paneldata/sync/SC_SyncPageStausUpdatePkt.h"

    # Link packets and services that fill or read the panel data directly (addresses,
    # modified points, text cache, polling and walk-test handlers); the link and the panel
    # data are still tangled both ways here.
    "link/SC_PointsIndividual.cpp -> paneldata/DisableDataMapFilter.h"
    "link/SC_PointsIndividual.h -> paneldata/PointIndividualAddress.h"
    "link/packets/SC_DateTimeInfoPacket.cpp -> paneldata/DateTime.h"
    "link/packets/SC_ManualPointUpdateRecordPkt.h -> paneldata/ModifiedPointSetting.h"
    "link/packets/SC_TextStringReply.cpp -> paneldata/PointTextCache.h"
    "link/sc_LkPointManagerServices.cpp -> paneldata/CachedModifiedPoints.h"
    "link/sc_LkPointManagerServices.h -> paneldata/ModifiedPointEntry.h"

    # The link's event-log client and packets write the event log directly; the log is not
    # yet behind an interface of the link.
    "link/SyncClient.cpp -> eventlog/EL_EventLogDBbase.h"
    "link/SyncClient.cpp -> eventlog/EventLogTable.h"
    "link/SyncClient.cpp -> eventlog/HistoricEventsSynchronizer.h"
    "link/packets/SC_EventAcceptedPacket.cpp -> eventlog/EL_EventLogDBbase.h"
    "link/packets/SC_EventAcceptedPacket.cpp -> eventlog/EventLogTable.h"
    "link/packets/SC_EventLogDataPacket.h -> eventlog/EventData.h"
    "link/packets/SC_EventLogRegistrationReqPkt.h -> eventlog/RegistrationFilter.h"
    "link/sc_LkEventLog.cpp -> eventlog/EL_EventLogDBbase.h"
    "link/sc_LkEventLog.cpp -> eventlog/HistoricEventsSynchronizer.h"
    "link/sc_LkEventLog.h -> eventlog/HistoricLogClient.h"

    # The point-manager answers and network statistics are handed to the point models
    # directly.
    "link/SyncClient.cpp -> pointmodels/LoopCfgFilter.h"
    "link/SyncClient.cpp -> pointmodels/LoopPointsFacade.h"
    "link/packets/SC_NetworkFaultResponsePkt.cpp -> pointmodels/LkNetworkStats.h"

    # The logged-on user's access level is read from the security object, which still lives
    # with the start-up.
    "link/SyncClient.cpp -> app/Security.h"
    "paneldata/CachedModifiedPoints.cpp -> app/Security.h"
    "pointmodels/PointFunctionCfgFilter.cpp -> app/Security.h"


    # The non-LED outputs options popup closes itself on Cancel through the page stack, as
    # above.
    "screens/popups/AUK_40053.cpp -> app/PageStack.h"

    # The message popups close themselves, and may return home, through the page stack, as above.
    "screens/popups/AUK_40040.cpp -> app/PageStack.h"
    "screens/popups/AUK_40026.cpp -> app/PageStack.h"
    "screens/popups/AUK_40032.cpp -> app/PageStack.h"
    "screens/popups/AUK_40041.cpp -> app/PageStack.h"
    "screens/popups/AUK_40025.cpp -> app/PageStack.h"
    "screens/popups/AUK_40002.cpp -> app/PageStack.h"

    # The log-on popup closes itself through the page stack, as above, and follows the
    # language the start-up's translator announces.
    "screens/popups/AUK_40001.cpp -> app/PageStack.h"
    "screens/popups/AUK_40001.cpp -> app/Translator.h"

    # The disable and enable progress popup closes itself, and the screen beneath, through
    # the page stack, as above.
    "screens/popups/AUK_40062.cpp -> app/PageStack.h"

    # The disable and enable selection, general enable and custom tasks screens push their
    # progress and warning popups and close themselves through the page stack, as above.
    "screens/popups/AUK_40009.cpp -> app/PageStack.h"
    "screens/popups/AUK_40049.cpp -> app/PageStack.h"
    "screens/commissioning/AUK_30008.cpp -> app/PageStack.h"

    # The self-test popup closes itself through the page stack, lays its test picture over
    # the whole screen, and drives the LED flasher that the engine state owns; whether to
    # tell the controller depends on the engine state's GUI mode.
    "screens/popups/AUK_40003.cpp -> app/PageStack.h"
    "screens/popups/AUK_40003.cpp -> app/SystemState.h"

    # The home screen reads the engine state, the log-on and the language and returns to
    # itself through the page stack, all still held by the start-up.
    "screens/status/AUK_30002.cpp -> app/PageStack.h"
    "screens/status/AUK_30002.cpp -> app/Security.h"
    "screens/status/AUK_30002.cpp -> app/SystemState.h"
    "screens/status/AUK_30002.cpp -> app/Translator.h"
    "screens/status/AUK_30086.cpp -> app/PageStack.h"
    "screens/status/AUK_30086.cpp -> app/Security.h"
    "screens/status/AUK_30086.cpp -> app/SystemState.h"

    # The fires screen, the custom links and the standby countdown push their pages and read
    # the log-on and the engine state, as the home and fire-alarm screens above.
    "screens/status/AUK_30085.cpp -> app/PageStack.h"
    "screens/status/AUK_30085.cpp -> app/Security.h"
    "screens/status/AUK_30085.cpp -> app/SystemState.h"
    "screens/status/CustomLinks.cpp -> app/PageStack.h"
    "screens/status/CustomLinks.cpp -> app/Security.h"
    "screens/status/SystemStandbyTimer.cpp -> app/PageStack.h"

    # The event-log list reads the log-on and the engine state, relays the log's bursts through
    # the start-up's delay relay, and saves its rows through the report writer, which sits
    # above the screens; the event-log menus and filter screens push their pages.
    "screens/status/AUK_30073.cpp -> app/DelaySignal.h"
    "screens/status/AUK_30073.cpp -> app/Security.h"
    "screens/status/AUK_30073.cpp -> app/SystemState.h"
    "screens/status/AUK_30073.cpp -> reports/PrintableModel.h"
    "screens/status/AUK_30073.cpp -> reports/SaveReport.h"
    "screens/status/AUK_30069.cpp -> app/PageStack.h"
    "screens/status/AUK_30072.cpp -> app/PageStack.h"
    "screens/control/AUK_30067.cpp -> app/PageStack.h"
    "screens/control/AUK_30117.cpp -> app/PageStack.h"
    "screens/control/AUK_30117.cpp -> app/SystemState.h"

    # The events summaries push their popups, read the engine state's GUI mode and merge
    # bursts of log and map updates with the start-up's delayed signal, as the screens above;
    # their frame and lists save reports with the report writer, which sits above the screens.
    "screens/status/AUK_10014.cpp -> reports/PrintableModel.h"
    "screens/status/AUK_10014.cpp -> reports/SaveReport.h"
    "screens/status/EventsSummaryByFunction.cpp -> app/SystemState.h"
    "screens/status/EventsSummaryByFunction.h -> app/DelaySignal.h"
    "screens/status/EventsSummaryCommon.cpp -> app/PageStack.h"
    "screens/status/EventsSummaryCommon.cpp -> reports/PrintableModel.h"
    "screens/status/EventsSummaryGeneralPanel.cpp -> app/PageStack.h"
    "screens/status/EventsSummaryGeneralPanel.cpp -> app/SystemState.h"
    "screens/status/EventsSummaryGeneralPanel.cpp -> reports/PrintableModel.h"
    "screens/status/EventsSummaryGeneralPanel.cpp -> reports/SaveReport.h"
    "screens/status/EventsSummaryGeneralPanel.h -> app/DelaySignal.h"

    # The front panel reads the simulator's application object for its input events.
    "frontpanel/DB_TESK_FP_Interface.cpp -> app/QVemoApplication.h"
)
