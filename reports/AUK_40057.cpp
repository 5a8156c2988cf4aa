#include "reports/AUK_40057.h"

#include "core/TeskGlobalConfig.h"
#include "paneldata/PanelConfiguration.h"

namespace {

constexpr int NameWidth = 20;
// The bottom messages of the four file formats, in format order; any other
// format reads as PDF, the last.
constexpr int FirstFormatMessageId = 109;
constexpr int LastFormatMessageId = 112;

// A name padded to a fixed width, then its number in parentheses.
QString namedNumber(const QString &name, quint8 number)
{
    return name.leftJustified(NameWidth, QLatin1Char(' ')) + QLatin1Char('(') + QString::number(number)
           + QLatin1Char(')');
}

} // namespace

AUK_40057::AUK_40057(quint8 panel, quint8 printer, QWidget *parent)
    : AUK_40040(parent, false, false)
{
    buildCommon();
    const PanelConfiguration *configuration = PanelConfiguration::instance();
    const int language = TeskGlobalConfig::instance()->getCurrentLang();
    if (panel != 0)
        setMiddleText(namedNumber(configuration->panelName(panel, language), panel));
    setBottomText(namedNumber(configuration->printerName(panel, printer, language), printer));
}

AUK_40057::AUK_40057(int format, QWidget *parent)
    : AUK_40040(parent, false, false)
{
    buildCommon();
    const bool known = format >= 0 && format < LastFormatMessageId - FirstFormatMessageId;
    setBottomMessage(known ? FirstFormatMessageId + format : LastFormatMessageId);
}

void AUK_40057::buildCommon()
{
    setObjectName(QStringLiteral("AUK_40057"));
    setTitle(tr("_REPORT_DEST_SAVED_POPUPTITLE"));
    setTopText(tr("_PRINTER_SET_TO_POPUPTEXT1BODY"));
    showCloseButtonOnly();
}
