#pragma once

#include "paneldata/BasicPointAddress.h"

// The channel-and-point text by channel kind: a loop letter (or number)
// and the point for loops, a port or bus name, a type letter and the point
// for the other channels.
class PointAddressBuilderLK6 final : public BasicPointAddress
{
protected:
    void constructAction() override;

private:
    enum class Letter { OfChannelNumber, None, Blank, Unknown };

    QString separator() const;
    QString letterText(Letter letter) const;
    void channelPointForm(const QString &name, Letter letter = Letter::OfChannelNumber);
    void localForm(const QString &name);
    void loopOnlyForm();
    void loopPointForm();
    void kind14Form();
    void kind15Form();
};
