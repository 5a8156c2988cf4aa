#pragma once

#include <QVector>

// The services of the panel host that the engine calls or listens to, with
// the D-Bus signatures of their methods and signals (all on path "/").
struct HostMember
{
    const char *name;
    const char *signature;
    // For a signal: what it tells the engine, for "help".
    const char *description = nullptr;
};

struct HostService
{
    const char *service;
    const char *interface;
    QVector<HostMember> methods;
    QVector<HostMember> signals_;
};

const QVector<HostService> &hostServices();
