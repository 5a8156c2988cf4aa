#pragma once

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

// A radio or check button of the option lists: a caption beside an on/off
// image. Auto-exclusive and checkable; it paints nothing itself.
class AUK_90003 final : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QPixmap checkedImage READ checkedImage WRITE setCheckedImage)
    Q_PROPERTY(QPixmap notCheckedImage READ notCheckedImage WRITE setNotCheckedImage)
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(int spacing READ spacing WRITE setSpacing)

public:
    explicit AUK_90003(QWidget *parent = nullptr);

    QPixmap checkedImage() const;
    void setCheckedImage(const QPixmap &image);
    QPixmap notCheckedImage() const;
    void setNotCheckedImage(const QPixmap &image);
    QString text() const;
    void setText(const QString &text);
    int spacing() const;
    void setSpacing(int spacing);

    void setLabelFont(const QFont &font);
    void setLabelPalette(const QPalette &palette);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void onToggled(bool checked);

private:
    void updateMinimumSize();

    QLabel m_imageLabel;
    QLabel m_textLabel;
    QPixmap m_checkedImage;
    QPixmap m_notCheckedImage;
    QHBoxLayout *m_layout;
};
