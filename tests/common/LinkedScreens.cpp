#include "LinkedScreens.h"

#include "FakeEthernetLink.h"
#include "app/PageHeaderSource.h"
#include "app/SystemState.h"
#include "app/Translator.h"
#include "core/Languages.h"

bool LinkedScreens::loadEnglish()
{
    Translator *translator = Translator::instance();
    translator->setBaseDirectory(QString::fromLocal8Bit(qgetenv("TESK_BUILD_DIR")));
    translator->loadLanguages(Languages::EnglishId, 0);
    return translator->setLanguage(Languages::EnglishId);
}

bool LinkedScreens::bringLinkUp(FakeEthernetLink &link)
{
    SystemState::instance()->watchEthernetLink(&link);
    PageHeaderSource::install(nullptr);
    settleQueuedEvents();
    emit link.updateEnetConnectedToPanel(true);
    settleQueuedEvents();
    return SystemState::instance()->isEthernetConnected();
}
