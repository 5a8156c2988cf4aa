#include "screens/status/AUK_10014.h"

#include "core/TeskGlobalConfig.h"
#include "listscreens/StatusViewer.h"
#include "reports/PrintableModel.h"
#include "reports/SaveReport.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90033.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QCoreApplication>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int TitleBoxWidth = 186;
constexpr int TitleBoxHeight = 64;
constexpr int RestrictedInformation = 256;
// Point-value columns only engineers of a high enough level may read.
constexpr int EngineerAccess = 3;
constexpr int EngineerUserLevel = 11;

} // namespace

AUK_10014::AUK_10014(int accessLevel, int userLevel, QWidget *parent, bool counterTitleBox)
    : AUK_90001A(parent)
    , m_reportPrefix(QStringLiteral("ES"))
    , m_accessLevel(accessLevel)
    , m_userLevel(userLevel)
{
    setObjectName(QStringLiteral("AUK_10014"));
    buildForm();

    m_buttonLayout = new QVBoxLayout(m_ui.counterButtonsContainer);
    m_buttonLayout->setContentsMargins(0, 0, 0, 0);
    if (counterTitleBox) {
        m_counterTitleBox.setObjectName(QStringLiteral("counterTitleBox"));
        m_counterTitleBox.setFont(FontRepository::instance()->bold18());
        QPalette palette = PaletteRepository::instance()->greyPalette();
        palette.setBrush(
            m_counterTitleBox.backgroundRole(),
            QBrush(QPixmap(QStringLiteral("../resources/Buttons/AUK_80202_counter_button_title_box.png"))));
        m_counterTitleBox.setPalette(palette);
        m_counterTitleBox.setAutoFillBackground(true);
        m_counterTitleBox.setFixedSize(TitleBoxWidth, TitleBoxHeight);
        m_counterTitleBox.setAlignment(Qt::AlignCenter);
        m_counterTitleBox.setWordWrap(true);
        m_buttonLayout->addWidget(&m_counterTitleBox);
    }
    // Buttons always go in before the stretch, so they stack from the top.
    m_buttonLayout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));

    m_ui.lozengeBar->hide();
    connect(m_ui.lozengeBar, &AUK_90006::rightButtonClicked, this, &AUK_10014::print);
}

AUK_10014::~AUK_10014() = default;

void AUK_10014::buildForm()
{
    setWindowTitle(QStringLiteral("Form"));
    m_ui.counterButtonsContainer = new QWidget(this);
    m_ui.counterButtonsContainer->setObjectName(QStringLiteral("counterButtonsContainer"));
    m_ui.counterButtonsContainer->setGeometry(0, 38, 186, 342);
    m_ui.stackedWidget = new QStackedWidget(this);
    m_ui.stackedWidget->setObjectName(QStringLiteral("stackedWidget"));
    m_ui.stackedWidget->setGeometry(188, 38, 446, 346);
    m_ui.lozengeBar = new AUK_90006(this);
    m_ui.lozengeBar->setObjectName(QStringLiteral("lozengeBar"));
    m_ui.lozengeBar->setGeometry(0, 379, 640, 71);
    m_ui.link = new QWidget(this);
    m_ui.link->setObjectName(QStringLiteral("link"));
    m_ui.link->setGeometry(172, 178, 44, 41);
    m_ui.link->setAutoFillBackground(true);
    QPalette linkPalette = m_ui.link->palette();
    linkPalette.setColor(QPalette::All, QPalette::Window, PaletteRepository::darkGrey());
    m_ui.link->setPalette(linkPalette);

    m_ui.lozengeBar->raise();
    m_ui.link->raise();
    m_ui.counterButtonsContainer->raise();
    m_ui.stackedWidget->raise();
}

void AUK_10014::addViewer(StatusViewer *viewer)
{
    if (!viewer)
        return;
    m_buttonLayout->insertWidget(m_buttonLayout->count() - 1, viewer->button());
    m_ui.stackedWidget->addWidget(viewer->eventViewer());
    connect(viewer, &StatusViewer::activated, this, &AUK_10014::viewActivated);
    m_viewers.append(viewer);
}

void AUK_10014::addButtonSpacing(int height)
{
    auto *gap = new QWidget(this);
    gap->setObjectName(QStringLiteral("buttonSpacing"));
    gap->setMinimumHeight(height);
    gap->setMaximumHeight(height);
    m_buttonLayout->insertWidget(m_buttonLayout->count() - 1, gap);
}

void AUK_10014::setCounterTitle(const QString &text)
{
    m_counterTitleBox.setText(text);
}

void AUK_10014::setPrintableModel(QSharedPointer<PrintableModel> model)
{
    m_printableModel = std::move(model);
}

QList<int> AUK_10014::defaultReportRoles(int kind) const
{
    switch (kind) {
    case EventsKind: {
        QList<int> roles{56, 58, 59, 60, 62, 63, 73};
        if (!TeskGlobalConfig::instance()->isRestricted(RestrictedInformation))
            roles.append(64);
        return roles;
    }
    case PointsKind:
        return {58, 59, 60, 62};
    case ZonesKind:
        return {33, 58};
    case PointValuesKind: {
        QList<int> roles{0, 60, 62, 148, 149, 150, 151, 152, 153, 154};
        if (m_accessLevel >= EngineerAccess && m_userLevel >= EngineerUserLevel)
            roles << 172 << 165 << 166 << 155 << 156 << 157 << 158 << 159 << 160 << 161 << 162 << 163 << 164 << 167
                  << 168 << 169 << 170 << 171 << 173;
        return roles;
    }
    default:
        return {};
    }
}

void AUK_10014::viewActivated()
{
    auto *viewer = qobject_cast<StatusViewer *>(sender());
    if (!viewer)
        return;
    m_currentViewer = viewer;
    QWidget *view = viewer->eventViewer();
    if (view) {
        if (m_ui.stackedWidget->indexOf(view) < 0)
            m_ui.stackedWidget->addWidget(view);
        m_ui.stackedWidget->setCurrentWidget(view);
    }
    AUK_90033 *button = viewer->button();
    if (button) {
        const int top = button->mapTo(this, QPoint(0, 0)).y();
        m_ui.link->move(m_ui.link->x(), top + (button->height() - m_ui.link->height()) / 2);
        m_ui.link->show();
    }
    if (m_highlightedViewer && m_highlightedViewer->button())
        m_highlightedViewer->button()->setLabelPalette(PaletteRepository::instance()->whiteTextPalette());
    if (button)
        button->setLabelPalette(PaletteRepository::instance()->darkTextPalette());
    m_highlightedViewer = viewer;
}

QString AUK_10014::reportHeader() const
{
    const QString label =
        m_currentViewer && m_currentViewer->button() ? m_currentViewer->button()->buttonLabel() : QString();
    return QStringLiteral("%1 - %2\r\n%3 %4")
        .arg(title(), label, QCoreApplication::translate("QObject", "_SAVING_PANEL_25_CHAR"),
             QString::number(TeskGlobalConfig::instance()->getPanelNumber()));
}

void AUK_10014::print()
{
    if (!m_printableModel)
        return;
    if (m_printableModel->roles().isEmpty())
        m_printableModel->setRoles(defaultReportRoles(m_currentViewer ? m_currentViewer->value() : -1));
    auto *report = new SaveReport(m_reportPrefix, reportHeader(), m_printableModel, {}, nullptr, false);
    report->start();
}
