#pragma once

#include <QMetaType>

// The status byte of the controller's standard reply, passed on as it comes;
// what each value means is the controller's.
enum eStandardReplyStatus : int { STANDARD_REPLY_OK = 0 };

Q_DECLARE_METATYPE(eStandardReplyStatus)
