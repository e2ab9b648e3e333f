#pragma once
// Completion of the municipality fields of a form from the index of municipalities. Taking a
// proposal puts the name in running form, and fills the comarca and postcode of the same block
// while they still hold their initial text or nothing; one undo takes the whole fill back.
#include "forms/PlaceFields.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>
#include <vector>

class FormView;
class QCompleter;
class QLineEdit;
class QStandardItemModel;

class MunicipalityCompleter : public QObject
{
    Q_OBJECT
public:
    // Completers for every municipality block of the form's description; nothing for a form
    // without one. They belong to the view.
    static void attach(FormView *view);

    MunicipalityCompleter(FormView *view, const forms::PlaceBlock &block);

    // The completer of the municipality field and the one that offers the further postcodes.
    QCompleter *municipalityCompleter() const { return m_completer; }
    QCompleter *postcodeCompleter() const { return m_postcodes; }

    // Takes the municipality of g_municipalities at index, as choosing its proposal does.
    void take(std::size_t municipality);
    // Restores the three fields as they were before the last fill, if none has changed since.
    bool undoFill();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void propose(const QString &typed);
    // The one municipality the field's text names, if it names exactly one.
    std::optional<std::size_t> onlyMatch() const;
    void offerPostcodes();
    void fieldChanged(QLineEdit *edit);

    struct Change
    {
        QPointer<QLineEdit> edit;
        QString before;
        QString after;
    };

    static void restore(const Change &change);

    FormView *m_view;
    forms::PlaceBlock m_block;
    QLineEdit *m_town = nullptr;
    QCompleter *m_completer = nullptr;
    QStandardItemModel *m_proposals = nullptr;
    QCompleter *m_postcodes = nullptr;
    QStandardItemModel *m_postcodeModel = nullptr;
    QList<Change> m_lastFill;
    bool m_filling = false;
};
