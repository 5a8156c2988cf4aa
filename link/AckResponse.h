#pragma once

#include <QMetaType>

// The controller's answer to a command that asked for an acknowledgement:
// 0 is acceptance; the other values (one byte) are the controller's reasons
// for a refusal, passed on as they come for the screens to show.
enum eAckResponse : int { ACK_ACCEPTED = 0 };

Q_DECLARE_METATYPE(eAckResponse)
