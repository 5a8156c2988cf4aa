#pragma once

#include "widgets/TitledRowCardDelegate.h"

// A point of the point-log screen as a card, with its sensor values.
class AUK_90063 final : public TitledRowCardDelegate
{
    Q_OBJECT

public:
    explicit AUK_90063(QObject *parent = nullptr);
};
