#pragma once
#include <QObject>

class FormView;
class QComboBox;
class QLineEdit;

// The notification means of an application follow the represented party's NIF as it is typed:
// a legal entity must deal with the administration by electronic means, so for one the list
// offers them alone; for anyone else, paper too.
class NotificationChoice : public QObject
{
    Q_OBJECT
public:
    // Watches the form's NIF of the represented party, when it has one and a list of means.
    static void attach(FormView *view);

private:
    NotificationChoice(QComboBox *means, QLineEdit *nif);
    void update();

    QComboBox *m_means;
    QLineEdit *m_nif;
};
