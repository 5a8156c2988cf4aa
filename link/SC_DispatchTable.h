#pragma once

#include "link/SyncPacket.h"

#include <QSharedPointer>
#include <QVector>

class SC_PacketBuffer;
class SyncClient;

// What the engine does with each kind of received LkSpeak packet. A row
// names a function code and, for the families that have them, a sub-code
// (the first payload byte). The payload must hold at least minimumPayload
// bytes (the sub-code included) before the handler sees it.
struct SC_DispatchEntry
{
    static constexpr int WholeFunctionCode = -1;

    using Handler = void (*)(SyncClient &client, const SyncPacket &packet,
                             const QSharedPointer<SC_PacketBuffer> &buffer, const SC_DispatchEntry &entry);

    int functionCode;
    int subCode;
    const char *name;
    int minimumPayload;
    Handler handler;
};

class SC_DispatchTable final
{
public:
    static const QVector<SC_DispatchEntry> &entries();
    // True when the function code is dispatched further by sub-code.
    static bool hasSubCodes(int functionCode);
    static const SC_DispatchEntry *find(int functionCode, int subCode);
};
