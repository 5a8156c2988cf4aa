#include "screens/popups/AUK_40061.h"

#include "frontpanel/Rbus.h"

#include <QCoreApplication>

#include <iterator>

namespace {

enum Kind { Disable = 0, Reset = 1, Silence = 2, NotAvailable = 3 };

// Every disablement the bus offers.
constexpr int AllDisablements = 255;

struct KindTexts
{
    const char *titleContext;
    const char *title;
    int bottomId;
};

const KindTexts Kinds[] = {
    {"AUK_40061", QT_TRANSLATE_NOOP("AUK_40061", "_CONFIRM_DISABLE_POPUPTITLE"), 9},
    {"AUK_40040", QT_TRANSLATE_NOOP("AUK_40040", "_CONFIRM_RESET_POPUPTITLE"), 13},
    {"AUK_40061", QT_TRANSLATE_NOOP("AUK_40061", "_CONFIRM_SILENCE_SOUNDERS_POPUPTITLE"), 15},
    {"AUK_40061", QT_TRANSLATE_NOOP("AUK_40061", "_ACTION_NOT_AVAILABLE_POPUPTITLE"), 1},
};

} // namespace

AUK_40061::AUK_40061(int kind, QWidget *parent)
    : AUK_40040(parent, false, false)
    , m_kind(kind)
{
    setObjectName(QStringLiteral("AUK_40061"));
    if (kind >= 0 && kind < int(std::size(Kinds))) {
        setTitle(QCoreApplication::translate(Kinds[kind].titleContext, Kinds[kind].title));
        setBottomMessage(Kinds[kind].bottomId);
    }
    if (kind == NotAvailable)
        setRightButtonVisible(false);
    connect(this, &BasePopup::rightButtonClicked, this, &AUK_40061::cancelClicked);
    connect(this, &BasePopup::leftButtonClicked, this, &AUK_40061::okClicked);
}

void AUK_40061::cancelClicked()
{
    AUK_40040::okClicked();
}

// The driver sends only while the bus is on its E30 link; the popup closes
// all the same.
void AUK_40061::okClicked()
{
    Rbus *bus = Rbus::instance();
    switch (m_kind) {
    case Disable:
        bus->sendEmergencyDisable(AllDisablements, AllDisablements);
        break;
    case Reset:
        bus->sendEmergencyReset();
        break;
    case Silence:
        bus->sendEmergencySilence();
        break;
    default:
        break;
    }
    AUK_40040::okClicked();
}
