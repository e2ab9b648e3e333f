#pragma once
#include <QPointer>
#include <QWidget>

class COurFormView;

// The lower pane of a catalogue window: hosts the form of the kind selected in the tree. Forms
// are created in it at the pane's last recorded size; the pane keeps every form it ever created
// and shows one at a time.
class CTCViewForm : public QWidget
{
    Q_OBJECT
public:
    explicit CTCViewForm(QWidget *parent = nullptr);

    COurFormView *currentForm() const { return m_currentForm; }
    void setCurrentForm(COurFormView *form) { m_currentForm = form; }
    int recordedWidth() const { return m_width; }
    int recordedHeight() const { return m_height; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QPointer<COurFormView> m_currentForm;
    int m_width = 0;
    int m_height = 0;
};
