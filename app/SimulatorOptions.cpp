#include "app/SimulatorOptions.h"

SimulatorOptions SimulatorOptions::scan(const QStringList &arguments)
{
    SimulatorOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--overlay=oe")) {
            options.overlay = ExtinguishingOverlay;
            break;
        }
        if (argument == QLatin1String("--overlay=oc")) {
            options.overlay = ControlsOverlay;
            break;
        }
        if (argument == QLatin1String("--brand=vornish"))
            options.brand = 0;
        else if (argument == QLatin1String("--brand=saltmarsh"))
            options.brand = 1;
    }
    return options;
}

QString SimulatorOptions::backgroundStyleSheet() const
{
    static const char *const pictures[] = {"backgroundProtection", "backgroundExtinguishing", "backgroundControls"};
    return QStringLiteral("QMainWindow {border-image: url(:/new/prefix1/%1%2.png)}")
        .arg(QLatin1String(pictures[overlay]), brand == 1 ? QLatin1String("Saltmarsh") : QLatin1String(""));
}
