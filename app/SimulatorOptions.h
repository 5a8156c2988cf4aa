#pragma once

#include <QString>
#include <QStringList>

// The simulator's look, chosen on the command line: the brand (0 the default
// brand, 1 Saltmarsh) and the overlay drawn on the panel front.
struct SimulatorOptions
{
    enum Overlay { NoOverlay, ExtinguishingOverlay, ControlsOverlay };

    int brand = 0;
    Overlay overlay = NoOverlay;

    // Compares the arguments after the program name, in order, with
    // "--overlay=oe", "--overlay=oc", "--brand=vornish" and
    // "--brand=saltmarsh". The first overlay option ends the scan; the last
    // brand option before it wins; anything else is ignored.
    static SimulatorOptions scan(const QStringList &arguments);

    // The simulator window's background for this brand and overlay.
    QString backgroundStyleSheet() const;
};
