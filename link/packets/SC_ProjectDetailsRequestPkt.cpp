#include "link/packets/SC_ProjectDetailsRequestPkt.h"

namespace LkSpeak {
namespace PanelUpdate {

SC_ProjectDetailsRequestPkt::SC_ProjectDetailsRequestPkt(const QString &site, int layoutKind)
    : SC_PanelUpdateRequestPkt(ProjectDetails, SC_RequestFields().countedBytes(site.toLatin1()), layoutKind)
{
}

} // namespace PanelUpdate
} // namespace LkSpeak
