#include "link/packets/SC_DigitalEnrolmentFileReqPacket.h"

namespace LkSpeak {
namespace PanelUpdate {

SC_DigitalEnrolmentFileReqPacket::SC_DigitalEnrolmentFileReqPacket(const QString &file, quint8 value, int layoutKind)
    : SC_PanelUpdateRequestPkt(DigitalEnrolmentFile, SC_RequestFields().u8(value).countedBytes(file.toLocal8Bit()),
                               layoutKind)
{
}

} // namespace PanelUpdate
} // namespace LkSpeak
