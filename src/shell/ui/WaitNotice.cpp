#include "shell/ui/WaitNotice.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {
// A notice that is never painted (its window hidden or minimised) does not hold the work back.
constexpr int kLongestWaitMs = 400;
} // namespace

WaitNotice::WaitNotice(QWidget *centreOn, QObject *context, std::function<void()> work)
    : QDialog(centreOn, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_context(context),
      m_work(std::move(work))
{
    setObjectName(QStringLiteral("waitNotice"));
    setWindowTitle(QStringLiteral("Esperi"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // It takes no input, so it leaves the keyboard focus where it is: typing goes on in the window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Carregant dades, si us plau esperi un moment..."), this));
}

void WaitNotice::runWhileShown(QWidget *centreOn, QObject *context, std::function<void()> work)
{
    auto *notice = new WaitNotice(centreOn, context, std::move(work));
    notice->adjustSize();
    if (centreOn) {
        const QPoint centre = centreOn->mapToGlobal(centreOn->rect().center());
        notice->move(centre - notice->rect().center());
    }
    notice->show();
    QTimer::singleShot(kLongestWaitMs, notice, &WaitNotice::runWork);
}

void WaitNotice::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // The painted notice reaches the screen when this paint is flushed; the work goes after it.
    if (!m_scheduled) {
        m_scheduled = true;
        QTimer::singleShot(0, this, &WaitNotice::runWork);
    }
}

void WaitNotice::runWork()
{
    if (!m_work)
        return;
    const std::function<void()> work = std::exchange(m_work, nullptr);
    if (m_context)
        work();
    close();
}
