#include "app/TeskEngine.h"

#include <QApplication>
#include <QTextStream>

namespace {

constexpr char productCode[] = "TESK-DESKSIM";

void printBanner()
{
    QTextStream out(stdout);
    out << "Fire panel front-panel engine, desktop simulator\n"
        << "TESK Engine: Application SKU=" << productCode << '\n'
        << "Build information: Version=" << "3.6" << ", Date=" << __DATE__ << ", Time=" << __TIME__
        << '\n'
        << "Additional build information: Kernel SKU=" << productCode << '\n';
    out.flush();
}

} // namespace

int teskengine_main(int argc, char *argv[])
{
    printBanner();
    QApplication application(argc, argv);
    return application.exec();
}
