#pragma once

#include <QObject>
#include <QPointer>

class AUK_90033;
class QButtonGroup;
class QWidget;

// One list of a multi-list screen together with its counter button: the
// host puts the button in its button column and the view in its stack, and
// shows the view of the viewer that reports activated().
class StatusViewer : public QObject
{
    Q_OBJECT

public:
    StatusViewer(const QString &buttonText, QButtonGroup *group, QObject *parent);
    StatusViewer(const QString &buttonText, QButtonGroup *group, int value, QObject *parent);
    ~StatusViewer() override;

    virtual AUK_90033 *button() const;
    virtual QWidget *eventViewer() const = 0;

    // Checks the button and reports activated(): the host calls it on the
    // viewer it shows first.
    void activate();
    int value() const;

signals:
    void activated();

public slots:
    void buttonClicked();

protected:
    QPointer<AUK_90033> m_button;
    QButtonGroup *m_group;
    int m_value;
};
