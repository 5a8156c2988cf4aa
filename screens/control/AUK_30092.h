#pragma once

#include "widgets/AUK_90001A.h"

#include <QFileInfo>
#include <QList>
#include <QString>

class AUK_90011;
class QStandardItemModel;

// The zone maps of the zone in fire, one image at a time, with back and next
// keys, a counter over all the zone's images and a caption naming the
// panel, the zone and the image. The opener hands over the images or lets
// the page list the zone's folder of zone maps.
class AUK_30092 : public AUK_90001A
{
    Q_OBJECT

public:
    AUK_30092(quint8 panel, quint8 zone, bool useLogicalZone, const QList<QFileInfo> &images, QWidget *parent);

public slots:
    // A swipe: a negative direction goes back, a positive one on.
    void imageChanged(int direction);
    void scrollNextImage();
    void scrollBackImage();
    void helpPressed();

private:
    void loadCurrentImage();
    void writeCaption();
    QString caption() const;

    AUK_90011 *m_viewer;
    quint8 m_panel;
    quint8 m_zone;
    QStandardItemModel *m_model;
    QList<QFileInfo> m_images;
    QString m_imageName;
    int m_current = 0;
    bool m_useLogicalZone;
};
