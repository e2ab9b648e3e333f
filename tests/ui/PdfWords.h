#pragma once
// What a printed PDF shows, word by word, as poppler's pdftotext reads it.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The words of a PDF file, as poppler's pdftotext reads them.
inline QStringList pdfWords(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput())
        .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// The words of `text` that the PDF does not show, each as often as it is missing. The typeset page
// may set the words in another order (the two columns of signers) and adds its page numbers.
inline QStringList wordsNotShown(const QString &pdfPath, const QString &text)
{
    QStringList shown = pdfWords(pdfPath);
    QStringList missing;
    for (const QString &word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        if (!shown.removeOne(word))
            missing.append(word);
    }
    return missing;
}
