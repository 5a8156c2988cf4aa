#include "link/packets/SC_UpdateRequestPkt.h"

namespace LkSpeak {
namespace PanelUpdate {

SC_UpdateRequestPkt::SC_UpdateRequestPkt(quint8 panel, const QString &site, quint16 operations, int layoutKind)
    : SC_PanelUpdateRequestPkt(
        Update, SC_RequestFields().u8(panel).u16(operations).u8(0).countedBytes(site.toLocal8Bit()), layoutKind)
{
}

} // namespace PanelUpdate
} // namespace LkSpeak
