#include "screens/popups/AUK_40030.h"

#include "paneldata/BasicPointAddress.h"

#include <QCoreApplication>

#include <iterator>

namespace {

constexpr int WarningMiddleId = 10;

enum Loops { NoLoop, BothLoops, SecondLoop };

struct Kind
{
    const char *titleContext;
    const char *title;
    int topId; // 0: no top text
    int bottomId; // 0: the bottom text is the loop text below
    const char *loopText; // in context AUK_40040
    Loops loops;
    bool cancelOnly;
};

const Kind Kinds[] = {
    {"AUK_40040", QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_UPDATE_CONFIRM_POPUPTITLE"), 28, 92, nullptr, NoLoop,
     false},
    {"AUK_40030", QT_TRANSLATE_NOOP("AUK_40030", "_SVC_TESK_UPDATE_WARNING_CONFIRM_POPUPTITLE"), 29, 93, nullptr,
     NoLoop, false},
    {"AUK_40030", QT_TRANSLATE_NOOP("AUK_40030", "_SVC_PANEL_UPDATE_WARNING_CONFIRM_POPUPTITLE"), 30, 97, nullptr,
     NoLoop, false},
    {"AUK_40030", QT_TRANSLATE_NOOP("AUK_40030", "_SVC_TESK_LOOP_SCAN_POPUPTITLE"), 27, 88, nullptr, NoLoop, true},
    {"AUK_40030", QT_TRANSLATE_NOOP("AUK_40030", "_SVC_PANEL_IR_LINK_POPUPTITLE"), 0, 0,
     QT_TRANSLATE_NOOP("AUK_40040", "_SVC_PANEL_IR_LINK_POPUPTEXT3INFO"), BothLoops, false},
    {"AUK_40030", QT_TRANSLATE_NOOP("AUK_40030", "_SVC_PANEL_LOOP_SHUTDOWN_POPUPTITLE"), 0, 0,
     QT_TRANSLATE_NOOP("AUK_40040", "_SVC_PANEL_DUAL_LOOP_SHUTDOWN_POPUPTEXT3INFO"), BothLoops, false},
    {"AUK_40030", QT_TRANSLATE_NOOP("AUK_40030", "_SVC_PANEL_LOOP_SHUTDOWN_POPUPTITLE"), 0, 0,
     QT_TRANSLATE_NOOP("AUK_40040", "_SVC_PANEL_SINGLE_LOOP_SHUTDOWN_POPUPTEXT3INFO"), SecondLoop, false},
    {"AUK_40040", QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_UPDATE_CONFIRM_POPUPTITLE"), 26, 92, nullptr, NoLoop,
     false},
    {"AUK_40040", QT_TRANSLATE_NOOP("AUK_40040", "_CONFIRM_RESET_POPUPTITLE"), 0, 13, nullptr, NoLoop, false},
    {"AUK_40030", QT_TRANSLATE_NOOP("AUK_40030", "_SILENCE_SOUNDERS_POPUPTITLE"), 4, 81, nullptr, NoLoop, false},
    {"AUK_40063", QT_TRANSLATE_NOOP("AUK_40063", "_SERIALISATION_POPUPTITLE"), 5, 8, nullptr, NoLoop, false},
};

QString loopLabel(quint8 loop)
{
    return BasicPointAddress::loopLabel(loop, BasicPointAddress::ConfiguredLoopFormat);
}

} // namespace

AUK_40030::AUK_40030(int kind, bool connectOwnKeys, quint8 firstLoop, quint8 secondLoop, QWidget *parent)
    : AUK_40040(parent, connectOwnKeys, false)
    , m_kind(kind)
{
    setObjectName(QStringLiteral("AUK_40030"));
    setMiddleMessage(WarningMiddleId, false);
    if (kind < 0 || kind >= int(std::size(Kinds)))
        return;
    const Kind &row = Kinds[kind];
    setTitle(QCoreApplication::translate(row.titleContext, row.title));
    if (row.topId != 0)
        setTopMessage(row.topId);
    if (row.bottomId != 0)
        setBottomMessage(row.bottomId);
    const QString loopText = row.loopText ? QCoreApplication::translate("AUK_40040", row.loopText) : QString();
    if (row.loops == BothLoops)
        setBottomText(loopText.arg(loopLabel(firstLoop), loopLabel(secondLoop)));
    else if (row.loops == SecondLoop)
        setBottomText(loopText.arg(loopLabel(secondLoop)));
    if (row.cancelOnly)
        setLeftButtonVisible(false);
}
