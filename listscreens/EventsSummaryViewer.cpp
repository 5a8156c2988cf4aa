#include "listscreens/EventsSummaryViewer.h"

#include "listscreens/RadioRow.h"
#include "widgets/AUK_90003.h"
#include "widgets/AUK_90022.h"
#include "widgets/PaletteRepository.h"

EventsSummaryViewer::EventsSummaryViewer(const QString &buttonText, QButtonGroup *group, QObject *parent, int value)
    : CardViewBasedViewer(buttonText, group, value, parent)
{
    auto *cardView = new AUK_90022;
    m_cardView = cardView;
    connect(cardView, &AUK_90022::scrolledBetween, this, &EventsSummaryViewer::listScrolled);
    connect(cardView, &AUK_90022::refreshModel, this, &EventsSummaryViewer::refreshModel);
}

void EventsSummaryViewer::setModel(QAbstractItemModel *model, QAbstractItemDelegate *delegate, bool flag)
{
    m_model = model;
    m_delegate = delegate;
    if (AUK_90022 *cardView = eventCardView())
        cardView->setModel(model, delegate, flag);
}

void EventsSummaryViewer::rememberModel(QAbstractItemModel *model)
{
    m_model = model;
}

void EventsSummaryViewer::disconnectModel(QAbstractItemModel *model)
{
    if (AUK_90022 *cardView = eventCardView())
        cardView->detachModel(model);
}

void EventsSummaryViewer::setupRadioButton(AUK_90003 *button, const QString &text, const char *member)
{
    button->setText(text);
    button->setAutoExclusive(true);
    button->setSpacing(2);
    button->setCheckedImage(QPixmap(QStringLiteral("../resources/images/AUK_80084_Radio_on.png")));
    button->setNotCheckedImage(QPixmap(QStringLiteral("../resources/images/AUK_80083_Radio_off.png")));
    button->setLabelPalette(PaletteRepository::instance()->whiteTextPalette());
    connect(button, SIGNAL(clicked()), this, member);
}

AUK_90022 *EventsSummaryViewer::eventCardView() const
{
    return static_cast<AUK_90022 *>(m_cardView.data());
}

void EventsSummaryViewer::placeRadios(std::initializer_list<AUK_90003 *> radios)
{
    if (!m_cardView)
        return;
    auto *row = new RadioRow(m_cardView);
    for (AUK_90003 *radio : radios)
        row->addRadio(radio);
}

void EventsSummaryViewer::showRadios(std::initializer_list<AUK_90003 *> radios, bool shown)
{
    // A radio outside the row has no parent: shown, it would open a window
    // of its own.
    for (AUK_90003 *radio : radios) {
        if (radio->parentWidget())
            radio->setVisible(shown);
    }
}
