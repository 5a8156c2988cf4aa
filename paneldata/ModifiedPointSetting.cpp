#include "paneldata/ModifiedPointSetting.h"

#include "core/TeskGlobalConfig.h"

namespace {

constexpr quint16 UnsentUses[] = {2048, 2049};
constexpr int FirstLanguage = 1;

} // namespace

ModifiedPointSetting ModifiedPointSetting::fromRecord(const ModifiedPointRecord &record)
{
    ModifiedPointSetting setting;
    if (record.deviceUse != UnsentUses[0] && record.deviceUse != UnsentUses[1]) {
        setting.flags |= HasDeviceUse;
        setting.deviceUse = record.deviceUse;
    }
    if (record.isDeleted())
        return setting;
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    if (record.zone != ModifiedPointRecord::NoZone) {
        setting.flags |= HasZone;
        setting.zone = record.zone;
    }
    if (config->getLogicalAddr()) {
        setting.flags |= HasLogicalPoint;
        setting.logicalPointNumber = record.logicalPointNumber;
    }
    if (!record.text.isEmpty()) {
        setting.flags |= config->getCurrentLang() == FirstLanguage ? HasFirstLanguageText : HasSecondLanguageText;
        setting.text = record.text;
    }
    return setting;
}
