#pragma once

#include "widgets/AUK_90001A.h"

#include <QButtonGroup>
#include <QLabel>
#include <QList>
#include <QSharedPointer>

class AUK_90006;
class PrintableModel;
class QStackedWidget;
class QVBoxLayout;
class StatusViewer;

// The frame of the screens that show several lists side by side: a column
// of counter buttons, one per list, a stack showing the list of the button
// last pressed with a small link joining the two, and a soft-key bar whose
// right key saves the list in view. Each button-and-list pair is a viewer;
// the subclasses hold their viewers and must outlive nothing of the frame.
class AUK_10014 : public AUK_90001A
{
    Q_OBJECT

public:
    // The report columns of a viewer's kind: 0 events, 1 points, 2 zones,
    // 3 point values.
    enum ReportKind { EventsKind = 0, PointsKind = 1, ZonesKind = 2, PointValuesKind = 3 };

    AUK_10014(int accessLevel, int userLevel, QWidget *parent, bool counterTitleBox);
    ~AUK_10014() override;

    void addViewer(StatusViewer *viewer);
    // An empty gap of the height before the next buttons.
    void addButtonSpacing(int height);
    void setCounterTitle(const QString &text);
    void setPrintableModel(QSharedPointer<PrintableModel> model);
    QList<int> defaultReportRoles(int kind) const;

    AUK_90006 *lozengeBar() const { return m_ui.lozengeBar; }
    QStackedWidget *stackedWidget() const { return m_ui.stackedWidget; }
    QWidget *link() const { return m_ui.link; }
    QLabel *counterTitleBox() { return &m_counterTitleBox; }
    QVBoxLayout *buttonLayout() const { return m_buttonLayout; }
    StatusViewer *shownViewer() const { return m_currentViewer; }
    const QString &reportPrefix() const { return m_reportPrefix; }
    QSharedPointer<PrintableModel> printableModel() const { return m_printableModel; }

public slots:
    virtual void print();
    virtual void viewActivated();

protected:
    // The report header: the page title and the shown list's button label,
    // then the panel the report was saved on.
    QString reportHeader() const;

    struct Form
    {
        QWidget *counterButtonsContainer = nullptr;
        QStackedWidget *stackedWidget = nullptr;
        AUK_90006 *lozengeBar = nullptr;
        QWidget *link = nullptr;
    };

    Form m_ui;
    QVBoxLayout *m_buttonLayout = nullptr;
    QButtonGroup m_buttonGroup;
    QList<StatusViewer *> m_viewers;
    StatusViewer *m_currentViewer = nullptr;
    StatusViewer *m_highlightedViewer = nullptr;
    QString m_reportPrefix;
    QLabel m_counterTitleBox;
    int m_accessLevel;
    int m_userLevel;
    QSharedPointer<PrintableModel> m_printableModel;

private:
    void buildForm();
};
