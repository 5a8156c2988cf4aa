#pragma once

#include "widgets/BaseButton.h"

#include <QLabel>
#include <QPixmap>

// The icon button of the menus: a large icon above a caption.
class AUK_90002 final : public BaseButton
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QPixmap icon READ icon WRITE setIcon)

public:
    explicit AUK_90002(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    QPixmap icon() const;
    void setIcon(const QPixmap &icon);

    // Screens pass the ids as plain integers; the numbering is fixed.
    void setTextById(int id);
    // Offers the other mode: pass the current day-mode state.
    void setDayNightModeIcon(bool dayMode);

private:
    QLabel *m_icon;
    QLabel *m_labelText;
};
