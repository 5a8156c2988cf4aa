#pragma once

#include <QMetaType>
#include <QtGlobal>

// The values the point-manager service's requests and replies carry.
namespace LkSpeak {

// The service's mode switches: each request names its switch and carries
// one data byte (on or off, or the non-LED outputs option).
enum ePointManagerServicesControlID : int {
    eRateOfRiseMode = 1,
    eFastLogicMode = 2,
    eDevicePowerUpWarningMode = 14,
    eNoisyDeviceMode = 15,
    eSounderRSMTestMode = 18,
    eInhibitLoopNoResponsesMode = 19,
    ePollAddress255Mode = 20,
    eDisableNonLEDOutputsMode = 22,
};

namespace PointManagerServices {

// How the controller took a single-device poll command.
enum SinglePollReplyCommandStatus : int {
    eSinglePollSuccess = 0,
    eSinglePollNoSuccess = 1,
    eSinglePollBusy = 2,
    eSinglePollNotSupported = 3,
    eSinglePollLoopNotConfigured = 4,
    eSinglePollPointNotConfigured = 5,
};

// The low five bits of a serialisation reply's type byte; any value not
// listed is unknown.
enum eSerialisationReplyType : int {
    eEnquiryReply = 0,
    eInitiateReply = 1,
    eStatusReply = 2,
    eSummaryReply = 3,
    eDetailedReply = 4,
    eLoopSetReply = 6,
};

enum eSerialisationInitiateStatus : int {
    eInitiatedAllLoops = 0,
    eInitiatedSomeLoops = 1,
    eInitiateBusy = 2,
    eInitiateNotSupported = 3,
};

// Per loop.
enum eSerialisationStatus : int {
    eNeverRequested = 0,
    eRunning = 1,
    eCompletedAllMatch = 2,
    eCompletedWithMismatch = 3,
    eCompletedWithIssues = 4,
    eLoopNotConfigured = 5,
    eLoopShutDown = 6,
    eLoopBusy = 7,
    eNoSerialNumberAvailable = 8,
    eAborted = 9,
    eNotSupportedOnLoop = 10,
    eLoopInFault = 11,
};

// 0 to 7: 0 %, 15 %, 30 %, 45 %, 60 %, 75 %, 90 %, 100 %.
enum eSerialisationProgress : int {};

// 7 and above are unknown errors.
enum eSerialisationFromFileErrorStatus : int {
    eFromFileNoError = 0,
    eFileNotFound = 1,
    eGeneralFileError = 2,
    eIntegrityCheckError = 3,
    eInvalidFile = 4,
    eFileTooShort = 5,
    ePanelNotFound = 6,
};

// Passed on as the controller sends them.
enum eSerialisationServiceStatus : int {};
enum eSerialisationInformationType : int {};

struct SerialisationServiceStatus
{
    quint8 loop = 0;
    eSerialisationStatus status = eNeverRequested;
    eSerialisationProgress progress = eSerialisationProgress(0);
};

} // namespace PointManagerServices
} // namespace LkSpeak

Q_DECLARE_METATYPE(LkSpeak::ePointManagerServicesControlID)
Q_DECLARE_METATYPE(LkSpeak::PointManagerServices::SinglePollReplyCommandStatus)
Q_DECLARE_METATYPE(LkSpeak::PointManagerServices::eSerialisationReplyType)
Q_DECLARE_METATYPE(LkSpeak::PointManagerServices::eSerialisationInitiateStatus)
Q_DECLARE_METATYPE(LkSpeak::PointManagerServices::eSerialisationStatus)
Q_DECLARE_METATYPE(LkSpeak::PointManagerServices::eSerialisationProgress)
Q_DECLARE_METATYPE(LkSpeak::PointManagerServices::eSerialisationFromFileErrorStatus)
Q_DECLARE_METATYPE(LkSpeak::PointManagerServices::eSerialisationServiceStatus)
Q_DECLARE_METATYPE(LkSpeak::PointManagerServices::eSerialisationInformationType)
Q_DECLARE_METATYPE(LkSpeak::PointManagerServices::SerialisationServiceStatus)
