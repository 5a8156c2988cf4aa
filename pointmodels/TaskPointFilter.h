#pragma once

#include "paneldata/SimplePointFilter.h"

// The base of the filters that offer a task (disable, enable, force, a
// status list) only the points it makes sense for, judged by the point
// data maps the controller keeps. The mode says which points the task is
// for: 1 inputs, 2 outputs, 3 both; the action's meaning is the subclass's.
class TaskPointFilter : public SimplePointFilter
{
public:
    enum Mode : int { Inputs = 1, Outputs = 2, InputsAndOutputs = 3 };

    // Sets the attribute bits of the mode; bits already set stay.
    void update();

    int mode() const { return m_mode; }
    quint8 attributeMask() const { return m_attributeMask; }
    int action() const { return m_action; }

protected:
    TaskPointFilter(int mode, int action);

    // The point's bit in the map of a page; false without a map.
    static bool bit(int page, TC::panel_t panel, const ChannelAddress &channel, const PointAddressKey &record);
    // The inputs' page in mode 1, the outputs' page in mode 2, either in
    // mode 3; false in any other mode.
    bool bitOfMode(int inputsPage, int outputsPage, TC::panel_t panel, const ChannelAddress &channel,
                   const PointAddressKey &record) const;
    bool isOfMode(const PointAddressKey &record) const { return (record.attributes & m_attributeMask) != 0; }

private:
    int m_mode;
    quint8 m_attributeMask = 0;
    int m_action;
};
