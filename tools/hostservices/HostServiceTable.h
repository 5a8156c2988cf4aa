#pragma once

#include <QStringList>
#include <QVector>

// The services of the panel host that the engine calls or listens to, with
// the D-Bus signatures of their methods and signals (all on path "/").
struct HostMember
{
    const char *name;
    const char *signature;
    // For a signal: what it tells the engine, for "help".
    const char *description = nullptr;
    // For a method whose reply the engine reads: it answers true.
    bool answersTrue = false;
};

struct HostService
{
    const char *service;
    const char *interface;
    QVector<HostMember> methods;
    QVector<HostMember> signals_;
    // Played only when asked for, under the name followed by "p" and the
    // engine's port, as the engine's own simulator window would serve it.
    bool perEnginePort = false;
};

const QVector<HostService> &hostServices();

// The D-Bus types of a signature, one by one ("uay": "u", "ay").
QStringList signatureTypes(const char *signature);
