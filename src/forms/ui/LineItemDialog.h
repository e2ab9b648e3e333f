#pragma once
#include "models/LineTable.h"
#include "shell/ui/DialogSkin.h"

#include <optional>

#include <QList>
#include <QString>

class QFormLayout;
class QLabel;
class QLineEdit;

// The small modal dialog that asks for the values of one line of a line list, new or opened again:
// one labelled field per column. The caller sets the title, the labels and any values, runs it
// and reads the values back.
class LineItemDialog : public DialogSkin
{
    Q_OBJECT
public:
    void setCaption(const QString &caption);
    QStringList values() const { return m_values; }
    QLineEdit *field(int index) const;
    // Fills the amount in as quantity × price while the user types, until the user writes an
    // amount of their own; refuses numbers that are not numbers.
    void computeAmounts(const plecta::LineTable &table);

    void accept() override;

protected:
    LineItemDialog(int count, QWidget *parent);
    void setLabelList(const QStringList &labels);

private:
    void updateAmount();
    // quantity × price of what the fields hold now, if both are numbers.
    std::optional<money::Cents> computedAmount() const;

    std::optional<plecta::LineTable> m_table;
    bool m_amountWritten = false; // the user typed the amount: it is theirs, not computed
    QLabel *m_message = nullptr;
    QFormLayout *m_form = nullptr;
    QList<QLabel *> m_labels;
    QList<QLineEdit *> m_fields;
    QStringList m_values;
};

class FourValueLineDialog : public LineItemDialog
{
    Q_OBJECT
public:
    explicit FourValueLineDialog(QWidget *parent = nullptr);
    void setLabels(const QString &l1, const QString &l2, const QString &l3, const QString &l4);
    void getValues(QString &v1, QString &v2, QString &v3, QString &v4) const;
};

class FiveValueLineDialog : public LineItemDialog
{
    Q_OBJECT
public:
    explicit FiveValueLineDialog(QWidget *parent = nullptr);
    void setLabels(const QString &l1, const QString &l2, const QString &l3, const QString &l4, const QString &l5);
    void getValues(QString &v1, QString &v2, QString &v3, QString &v4, QString &v5) const;
};
