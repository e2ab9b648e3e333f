#pragma once
#include <QDialog>
#include <QPointer>

#include <functional>

// The modeless notice "Esperi" shown while a long list is filled. It takes no input. The work
// it stands for runs once the notice has been painted, from the event loop, so that the notice
// is on the screen while the window waits for it.
class WaitNotice : public QDialog
{
    Q_OBJECT
public:
    // Shows the notice centred on `centreOn`, runs `work` when the notice is on the screen and
    // closes it. The work is dropped if `context` is destroyed before it runs.
    static void runWhileShown(QWidget *centreOn, QObject *context, std::function<void()> work);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    WaitNotice(QWidget *centreOn, QObject *context, std::function<void()> work);
    void runWork();

    QPointer<QObject> m_context;
    std::function<void()> m_work;
    bool m_scheduled = false;
};
