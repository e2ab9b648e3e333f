#pragma once
// The one text checker of the windows. The Catalan dictionary is loaded on a thread of its own
// when the checker is first asked for, so start-up never waits for it; until it is ready no box
// is marked. When no dictionary is installed the checker still finds the forms to avoid, and the
// status bar says once that spelling is not checked.

#include "check/TextChecker.h"

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

class CheckerService : public QObject
{
    Q_OBJECT
public:
    // The application's service (a child of the application object).
    static CheckerService &instance();
    ~CheckerService() override;

    // Starts loading, once; later calls do nothing.
    void load();
    // The checker, or null while it is loading. Use it from the window thread only.
    const check::TextChecker *checker() const { return m_checker.get(); }

    // What "Mostra al vocabulari" does with a vocabulary row; the main window sets it.
    void setVocabularyOpener(std::function<void(int row)> opener) { m_openVocabulary = std::move(opener); }
    bool canOpenVocabulary() const { return bool(m_openVocabulary); }
    void openVocabulary(int row) const;

    static QString spellingOffMessage();

signals:
    void ready();
    // A message for the status bar of the main window (the spelling that cannot be checked).
    void statusMessage(const QString &message);

private:
    explicit CheckerService(QObject *parent);
    void takeChecker(std::unique_ptr<check::TextChecker> checker);

    QThread *m_loader = nullptr;
    std::unique_ptr<check::TextChecker> m_checker;
    std::function<void(int)> m_openVocabulary;
};
