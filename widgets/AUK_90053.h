#pragma once

#include "widgets/BaseButton.h"

#include <QLabel>
#include <QList>
#include <QPalette>
#include <QStringList>

#include <array>

// A caption with up to five one-character value boxes into which a keypad
// types a point or region address. Grey boxes are fixed: entry skips them
// and clearing keeps their text.
class AUK_90053 final : public BaseButton
{
    Q_OBJECT
    Q_PROPERTY(QString buttonLabel READ buttonLabel WRITE setButtonLabel)
    Q_PROPERTY(bool valueVisible_1 READ valueVisible_1 WRITE setValueVisible_1)
    Q_PROPERTY(bool valueVisible_2 READ valueVisible_2 WRITE setValueVisible_2)
    Q_PROPERTY(bool valueVisible_3 READ valueVisible_3 WRITE setValueVisible_3)
    Q_PROPERTY(bool valueVisible_4 READ valueVisible_4 WRITE setValueVisible_4)
    Q_PROPERTY(bool valueVisible_5 READ valueVisible_5 WRITE setValueVisible_5)
    Q_PROPERTY(bool valueEnabled_1 READ valueEnabled_1 WRITE setValueEnabled_1)
    Q_PROPERTY(bool valueEnabled_2 READ valueEnabled_2 WRITE setValueEnabled_2)
    Q_PROPERTY(bool valueEnabled_3 READ valueEnabled_3 WRITE setValueEnabled_3)
    Q_PROPERTY(bool valueEnabled_4 READ valueEnabled_4 WRITE setValueEnabled_4)
    Q_PROPERTY(bool valueEnabled_5 READ valueEnabled_5 WRITE setValueEnabled_5)
    Q_PROPERTY(QString value_1 READ value_1 WRITE setValue_1)
    Q_PROPERTY(QString value_2 READ value_2 WRITE setValue_2)
    Q_PROPERTY(QString value_3 READ value_3 WRITE setValue_3)
    Q_PROPERTY(QString value_4 READ value_4 WRITE setValue_4)
    Q_PROPERTY(QString value_5 READ value_5 WRITE setValue_5)
    Q_PROPERTY(bool greyBox_1 READ greyBox_1 WRITE setGreyBox_1)
    Q_PROPERTY(bool greyBox_2 READ greyBox_2 WRITE setGreyBox_2)
    Q_PROPERTY(bool greyBox_3 READ greyBox_3 WRITE setGreyBox_3)
    Q_PROPERTY(bool greyBox_4 READ greyBox_4 WRITE setGreyBox_4)
    Q_PROPERTY(bool greyBox_5 READ greyBox_5 WRITE setGreyBox_5)

public:
    static constexpr int FieldCount = 5;

    explicit AUK_90053(QWidget *parent = nullptr);

    QString buttonLabel() const;
    void setButtonLabel(const QString &text);

    // Field n (0 to 4); out-of-range indexes read as empty and write nothing.
    QString fieldValue(int index) const;
    void setFieldValue(int index, const QString &value);
    bool fieldVisible(int index) const;
    void setFieldVisible(int index, bool visible);
    bool fieldEnabled(int index) const;
    void setFieldEnabled(int index, bool enabled);
    bool greyBox(int index) const;
    void setGreyBox(int index, bool grey);

    void setValue6Visible(bool visible);
    void clearValues(bool forward);
    void clearAndDisable(bool forward);
    void clearAndEnable(bool forward);
    // Writes the text right-aligned into the usable fields, "0"-padded.
    void setDigits(const QString &text);
    QString digits() const;
    int cursor() const;

    bool valueVisible_1() const { return fieldVisible(0); }
    bool valueVisible_2() const { return fieldVisible(1); }
    bool valueVisible_3() const { return fieldVisible(2); }
    bool valueVisible_4() const { return fieldVisible(3); }
    bool valueVisible_5() const { return fieldVisible(4); }
    void setValueVisible_1(bool visible) { setFieldVisible(0, visible); }
    void setValueVisible_2(bool visible) { setFieldVisible(1, visible); }
    void setValueVisible_3(bool visible) { setFieldVisible(2, visible); }
    void setValueVisible_4(bool visible) { setFieldVisible(3, visible); }
    void setValueVisible_5(bool visible) { setFieldVisible(4, visible); }
    bool valueEnabled_1() const { return fieldEnabled(0); }
    bool valueEnabled_2() const { return fieldEnabled(1); }
    bool valueEnabled_3() const { return fieldEnabled(2); }
    bool valueEnabled_4() const { return fieldEnabled(3); }
    bool valueEnabled_5() const { return fieldEnabled(4); }
    void setValueEnabled_1(bool enabled) { setFieldEnabled(0, enabled); }
    void setValueEnabled_2(bool enabled) { setFieldEnabled(1, enabled); }
    void setValueEnabled_3(bool enabled) { setFieldEnabled(2, enabled); }
    void setValueEnabled_4(bool enabled) { setFieldEnabled(3, enabled); }
    void setValueEnabled_5(bool enabled) { setFieldEnabled(4, enabled); }
    QString value_1() const { return fieldValue(0); }
    QString value_2() const { return fieldValue(1); }
    QString value_3() const { return fieldValue(2); }
    QString value_4() const { return fieldValue(3); }
    QString value_5() const { return fieldValue(4); }
    void setValue_1(const QString &value) { setFieldValue(0, value); }
    void setValue_2(const QString &value) { setFieldValue(1, value); }
    void setValue_3(const QString &value) { setFieldValue(2, value); }
    void setValue_4(const QString &value) { setFieldValue(3, value); }
    void setValue_5(const QString &value) { setFieldValue(4, value); }
    bool greyBox_1() const { return greyBox(0); }
    bool greyBox_2() const { return greyBox(1); }
    bool greyBox_3() const { return greyBox(2); }
    bool greyBox_4() const { return greyBox(3); }
    bool greyBox_5() const { return greyBox(4); }
    void setGreyBox_1(bool grey) { setGreyBox(0, grey); }
    void setGreyBox_2(bool grey) { setGreyBox(1, grey); }
    void setGreyBox_3(bool grey) { setGreyBox(2, grey); }
    void setGreyBox_4(bool grey) { setGreyBox(3, grey); }
    void setGreyBox_5(bool grey) { setGreyBox(4, grey); }

public slots:
    // Left-to-right entry, after a forward clear.
    void insertValue(bool fourDigitEntry, const QString &value);
    // Right-to-left entry, after a backward clear: a three-digit number in
    // fields 1, 3 and 5 fills like a calculator display.
    void insertValue(const QString &value);

private:
    static bool isField(int index);
    // Entry uses a field that is shown (its own visibility) and not grey.
    bool isUsable(int index) const;
    bool isShown(int index) const;
    // Writes the last entered values, in typing order, into the fields.
    bool writeEntered(std::initializer_list<int> fields);

    QLabel *m_buttonLabel;
    std::array<QLabel *, FieldCount> m_valueFields{};
    QLabel *m_buttonValue6;
    int m_cursor = 0;
    std::array<bool, FieldCount> m_greyBox{};
    std::array<bool, FieldCount> m_valueVisible{};
    QStringList m_enteredValues;
    QPalette m_outlinePalette;
    QPalette m_boxPalette;
    QPalette m_extraPalette;
};
