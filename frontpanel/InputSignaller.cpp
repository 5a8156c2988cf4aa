#include "frontpanel/InputSignaller.h"

InputSignaller *InputSignaller::instance()
{
    static InputSignaller *signaller = new InputSignaller;
    return signaller;
}
