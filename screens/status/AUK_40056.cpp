#include "screens/status/AUK_40056.h"

#include "app/PageStack.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

namespace {

const char *const ResultTexts[] = {
    QT_TRANSLATE_NOOP("AUK_40040", "_PRINT_OK_POPUPTEXT3INFO"),
    QT_TRANSLATE_NOOP("AUK_40040", "_PRINTER_OFFLINE_POPUPTEXT3INFO"),
    QT_TRANSLATE_NOOP("AUK_40040", "_PRINT_REJECTED_POPUPTEXT3INFO"),
    QT_TRANSLATE_NOOP("AUK_40040", "_PRINT_CONTAINER_EMPTY_POPUPTEXT3INFO"),
};

} // namespace

AUK_40056::AUK_40056(int result, QWidget *parent)
    : Page(parent)
    , m_result(result)
{
    setObjectName(QStringLiteral("AUK_40056"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("_PRINT_POPUPTITLE"), this));
    const bool known = result >= 0 && result < int(std::size(ResultTexts));
    layout->addWidget(
        new QLabel(known ? QCoreApplication::translate("AUK_40040", ResultTexts[result]) : QString(), this));
    auto *close = new QPushButton(QCoreApplication::translate("AUK_40040", "_CLOSE_POPUPSK"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, [this] { PageStack::instance()->remove(this); });
}
