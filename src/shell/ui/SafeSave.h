#pragma once
#include <QByteArray>
#include <QString>

// The one way the program writes a user's file: the bytes go to a temporary file beside the
// target, which is renamed into place only once every byte is on disk. A failed save leaves
// an existing file as it was.
namespace safesave {

// Empty when the file was written; otherwise why not, in Catalan.
QString writeFile(const QString &path, const QByteArray &bytes);

} // namespace safesave
