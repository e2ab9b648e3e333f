#include "check/ui/CheckerService.h"

#include "text/ui/QtText.h"

#include <QCoreApplication>
#include <QPointer>

#include <memory>

CheckerService &CheckerService::instance()
{
    static QPointer<CheckerService> service;
    if (!service)
        service = new CheckerService(QCoreApplication::instance());
    return *service;
}

CheckerService::CheckerService(QObject *parent) : QObject(parent) {}

CheckerService::~CheckerService()
{
    if (m_loader)
        m_loader->wait();
}

void CheckerService::load()
{
    if (m_loader)
        return;
    m_loader = QThread::create([this] {
        // Handed over on the window thread; the service outlives the thread (it waits for it).
        // The call owns the checker until it runs, so a call never delivered (the program ends
        // first) frees it with itself.
        auto checker = std::make_shared<std::unique_ptr<check::TextChecker>>(
            std::make_unique<check::TextChecker>(check::SpellDictionary::load()));
        QMetaObject::invokeMethod(
            this, [this, checker] { takeChecker(std::move(*checker)); }, Qt::QueuedConnection);
    });
    m_loader->setParent(this);
    m_loader->start(QThread::LowPriority);
}

void CheckerService::takeChecker(std::unique_ptr<check::TextChecker> checker)
{
    m_checker = std::move(checker);
    if (!m_checker->checksSpelling())
        emit statusMessage(spellingOffMessage());
    emit ready();
}

QString CheckerService::spellingOffMessage()
{
    return QStringLiteral("No hi ha cap diccionari català instal·lat: l'ortografia no es revisa, només els "
                          "castellanismes.");
}

void CheckerService::openVocabulary(int row) const
{
    if (m_openVocabulary)
        m_openVocabulary(row);
}
