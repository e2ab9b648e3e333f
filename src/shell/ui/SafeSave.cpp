#include "shell/ui/SafeSave.h"

#include <QSaveFile>

namespace safesave {

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.flush()) {
        // The explicit flush matters: a short write while the file is closed (a full disk)
        // would otherwise go unnoticed and the truncated file would replace the old one.
        const bool known = file.error() != QFileDevice::NoError && file.error() != QFileDevice::UnspecifiedError;
        const QString reason = known
                                   ? file.errorString()
                                   : QStringLiteral("No s'ha pogut escriure el fitxer sencer: potser el disc és ple.");
        file.cancelWriting();
        file.commit();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace safesave
