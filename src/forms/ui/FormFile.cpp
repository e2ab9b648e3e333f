#include "forms/ui/FormFile.h"

#include "forms/Certificate.h"
#include "forms/FormDescription.h"
#include "forms/ui/DatePicker.h"
#include "forms/ui/FormFactory.h"
#include "forms/ui/FormTextBox.h"
#include "forms/ui/FormView.h"
#include "text/Cp1252.h"
#include "text/ui/QtText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTreeWidget>

#include <memory>

namespace formfile {
namespace {

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A text the engine reads (Windows-1252, CR LF) as the user typed it: UTF-8, "\n" line ends.
std::string typedText(const std::string &cp1252Text)
{
    QString text = qttext::toQString(cp1252Text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.toStdString();
}

QAbstractButton *modelButton(const FormView &form, bool modelA)
{
    return qobject_cast<QAbstractButton *>(
        form.fieldWidget(modelA ? forms::kCertModelARadio : forms::kCertModelBRadio));
}

bool hasModels(const FormView &form)
{
    return modelButton(form, true) && modelButton(form, false);
}

QString kindLabel(const FormView &form)
{
    return QStringLiteral("«%1»").arg(utf8(forms::kindName(form.templateId())));
}

// A refusal of the gate as a clause of a longer message: no capital, no full stop.
QString clause(QString sentence)
{
    if (sentence.endsWith(u'.'))
        sentence.chop(1);
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toLower();
    return sentence;
}

// The text a field takes, through the same gate as typing; the refusal when it takes none.
std::optional<QString> gated(const std::string &value, textgate::FieldRules rules, QString &refusal)
{
    const qttext::GateResult result = qttext::gateInput(utf8(value), rules);
    if (!result.accepted()) {
        refusal = clause(qttext::refusalMessage(result.refused, result.reason));
        return std::nullopt;
    }
    QString text = result.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::optional<QString> gated(const forms::Item &item, const std::string &value, QString &error)
{
    std::optional<QString> text = gated(value, forms::inputRules(item), error);
    if (!text)
        error = QStringLiteral("camp «%1»: %2").arg(utf8(item.name), error);
    return text;
}

QString setDate(DatePicker &picker, const forms::Item &item, const std::string &value)
{
    const QDate date = QDate::fromString(utf8(value), Qt::ISODate);
    if (value.size() != 10 || !date.isValid() || date < picker.minimumDate() || date > picker.maximumDate())
        return QStringLiteral("camp «%1»: «%2» no és una data AAAA-MM-DD").arg(utf8(item.name), utf8(value));
    picker.setDate(date);
    return {};
}

QString setChoice(QComboBox &combo, const forms::Item &item, const std::string &value)
{
    QString error;
    const std::optional<QString> text = gated(item, value, error);
    if (!text)
        return error;
    int index = combo.findText(*text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 && !combo.isEditable())
        index = combo.findText(*text, Qt::MatchFixedString); // letter case aside
    if (index >= 0) {
        combo.setCurrentIndex(index);
    } else if (combo.isEditable()) {
        combo.setEditText(*text);
    } else {
        return QStringLiteral("camp «%1»: la llista no té «%2»").arg(utf8(item.name), *text);
    }
    return {};
}

QString setField(FormView &form, const forms::Item &item, const std::string &value)
{
    QWidget *widget = form.fieldWidget(item.id);
    if (auto *picker = qobject_cast<DatePicker *>(widget))
        return setDate(*picker, item, value);
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return setChoice(*combo, item, value);
    QString error;
    const std::optional<QString> text = gated(item, value, error);
    if (!text)
        return error;
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        edit->setText(*text);
        edit->setCursorPosition(0);
    } else if (auto *box = qobject_cast<FormTextBox *>(widget)) {
        box->setPlainText(*text);
    }
    return {};
}

QString setLines(FormView &form, const std::vector<std::vector<std::string>> &lines)
{
    auto *list = qobject_cast<QTreeWidget *>(form.fieldWidget(plecta::kLineListId));
    const forms::FormDef *description = form.description();
    if (!list || !description->lineItems)
        return QStringLiteral("el document %1 no té línies").arg(kindLabel(form));
    const std::size_t columns = description->lineItems->dialogLabels.size();
    QList<QTreeWidgetItem *> rows;
    QString error;
    for (std::size_t row = 0; row < lines.size() && error.isEmpty(); ++row) {
        if (lines[row].size() != columns) {
            error = QStringLiteral("línia %1: té %2 valors, i les línies d'aquest document en tenen %3")
                        .arg(row + 1)
                        .arg(lines[row].size())
                        .arg(columns);
            break;
        }
        QStringList values;
        for (const std::string &value : lines[row]) {
            // A line's values are one-line texts, as the line dialog takes them.
            const std::optional<QString> text = gated(value, textgate::kOneLine, error);
            if (!text) {
                error = QStringLiteral("línia %1: %2").arg(row + 1).arg(error);
                break;
            }
            values.append(*text);
        }
        rows.append(new QTreeWidgetItem(values));
    }
    if (!error.isEmpty()) {
        qDeleteAll(rows);
        return error;
    }
    list->clear();
    list->addTopLevelItems(rows);
    return {};
}

// The kind a saved form names: by its number, or by its name when no kind has that number.
const forms::DocListEntry *findKind(const forms::SavedForm &saved, int &catalogue)
{
    for (const bool byNumber : {true, false}) {
        for (catalogue = 0; catalogue < 2; ++catalogue) {
            for (const forms::DocListEntry &row :
                 forms::catalogueRows(catalogue == 0 ? forms::g_tcDocList : forms::g_apDocList)) {
                const bool named = byNumber ? row.formId == saved.kindNumber : row.name == saved.kindName;
                if (row.level == 1 && named && forms::formByLayoutId(row.formId))
                    return &row;
            }
        }
    }
    return nullptr;
}

} // namespace

QString fileFilter()
{
    return QStringLiteral("Formularis de Plecta (*%1)").arg(utf8(forms::kSavedFormExtension));
}

forms::SavedForm capture(const FormView &form)
{
    forms::SavedForm saved;
    saved.kindNumber = form.templateId();
    saved.kindName = std::string(forms::kindName(form.templateId()));
    if (hasModels(form))
        saved.model.push_back(modelButton(form, true)->isChecked() ? 'A' : 'B'); // "A" or "B"
    for (const forms::Item &item : form.description()->items) {
        if (!forms::isField(item) || item.kind == forms::ItemKind::LineList)
            continue;
        std::string value;
        if (auto *picker = qobject_cast<DatePicker *>(form.fieldWidget(item.id)))
            value = picker->date().toString(Qt::ISODate).toStdString();
        else if (auto *edit = qobject_cast<QLineEdit *>(form.fieldWidget(item.id)))
            value = edit->text().toStdString(); // empty under a placeholder's hint, as typed
        else if (auto *box = qobject_cast<FormTextBox *>(form.fieldWidget(item.id)))
            value = box->text().toStdString();
        else if (const auto chosen = form.state().selectedItem(item.id);
                 chosen && form.state().kind(item.id) == plecta::FieldKind::Choice)
            value = cp1252::toUtf8(form.state().itemText(item.id, *chosen));
        else
            value = typedText(form.state().text(item.id));
        saved.values.emplace_back(item.name, std::move(value));
    }
    if (const forms::LineItems *lines = form.description()->lineItems) {
        for (int row = 0; row < form.state().rowCount(plecta::kLineListId); ++row) {
            std::vector<std::string> cells;
            for (std::size_t column = 0; column < lines->dialogLabels.size(); ++column)
                cells.push_back(cp1252::toUtf8(form.state().cellText(plecta::kLineListId, row, int(column))));
            saved.lines.push_back(std::move(cells));
        }
    }
    return saved;
}

QByteArray fileBytes(const FormView &form)
{
    return QByteArray::fromStdString(forms::writeSavedForm(capture(form)));
}

QString restore(FormView &form, const forms::SavedForm &saved, QStringList &warnings)
{
    if (!saved.model.empty()) {
        if (!hasModels(form))
            return QStringLiteral("«model» només és del certificat, no de %1").arg(kindLabel(form));
        // Clicked, as a user chooses it, so that the closing sentences follow.
        modelButton(form, saved.model == "A")->click();
    }
    for (const auto &[name, value] : saved.values) {
        const forms::Item *item = forms::findField(*form.description(), name);
        if (!item || item->kind == forms::ItemKind::LineList) {
            warnings.append(QStringLiteral("el document %1 ja no té el camp «%2»; se'n deixa el valor")
                                .arg(kindLabel(form), utf8(name)));
            continue;
        }
        if (QString error = setField(form, *item, value); !error.isEmpty())
            return error;
    }
    if (!saved.lines.empty() || form.description()->lineItems)
        return setLines(form, saved.lines);
    return {};
}

Loaded load(const QString &path)
{
    Loaded loaded;
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.error = QStringLiteral("No es pot obrir el fitxer «%1»: %2.").arg(shown, file.errorString());
        return loaded;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        loaded.error = QStringLiteral("No es pot llegir el fitxer «%1»: %2.").arg(shown, file.errorString());
        return loaded;
    }
    forms::SavedFormRead read = forms::readSavedForm(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    QString why = utf8(read.error);
    if (read.form) {
        loaded.kind = findKind(*read.form, loaded.catalogue);
        if (!loaded.kind) {
            why = QStringLiteral("el document «%1» (número %2) no és cap dels que aquest programa omple")
                      .arg(utf8(read.form->kindName))
                      .arg(read.form->kindNumber);
        } else {
            // Tried on a form of its own that no window shows.
            const std::unique_ptr<FormView> trial(createFormObject(loaded.kind->formId));
            trial->setTemplateId(loaded.kind->formId);
            trial->build();
            why = restore(*trial, *read.form, loaded.warnings);
            if (why.isEmpty())
                read.form = capture(*trial);
        }
    }
    if (!why.isEmpty()) {
        loaded.warnings.clear();
        loaded.error = QStringLiteral("No es pot obrir el formulari «%1»: %2.").arg(shown, why);
        return loaded;
    }
    loaded.form = std::move(read.form);
    return loaded;
}

} // namespace formfile
