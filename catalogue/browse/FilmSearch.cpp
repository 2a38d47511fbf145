#include "FilmSearch.h"
#include "Form1.h"
#include "OrderBy.h"

#include <QLabel>
#include <QPushButton>

#include <optional>

namespace catalogue {

namespace {

const QString kPromptTitle = QStringLiteral("¿ Qúe Buscas ?");
const QString kNotFoundMessage = QStringLiteral("No Se Ha Encontrado Na De Na.... :(");

struct SearchKind {
    Field searched;
    QString promptText;
    QString foundMessage; // followed directly by the film's number
};

const SearchKind kTitleSearch{Field::Titulo, QStringLiteral("¿ Qué Película Estas Buscando ?"),
                              QStringLiteral("Se Ha Encontrado La Película. Es La Número ")};
const SearchKind kDirectorSearch{Field::Director, QStringLiteral("¿ Qué Director Estas Buscando ?"),
                                 QStringLiteral("Se Ha Encontrado Director En La Película Número ")};

// Number of the last film, in the order of the record set, whose searched text
// holds the answer. Every film is visited: a later match replaces an earlier one.
std::optional<QString> lastMatch(Form1& form1, Field searched, const QString& answer)
{
    RecordSet& rs = form1.records();
    const auto pause = form1.binding().pause();
    std::optional<QString> number;
    while (!rs.Eof()) {
        if (occursIn(answer, rs.text(searched)))
            number = rs.text(Field::Idzefo);
        rs.MoveNext();
    }
    return number;
}

// Both searches. Returns whether a film was found and made current.
bool search(Form1& form1, QStringView recordSource, const SearchKind& kind)
{
    if (form1.records().RecordCount() <= 0)
        return false;
    // From here on the browse sequence is the search's, whatever the user answers.
    showFirstInOrder(form1, recordSource);

    const std::optional<QString> answer = form1.dialogs().prompt(kind.promptText, kPromptTitle);
    if (!answer)
        return false; // cancelled: nothing sought, nothing said

    const std::optional<QString> number = lastMatch(form1, kind.searched, *answer);
    if (!number) {
        form1.dialogs().message(kNotFoundMessage);
        form1.records().MoveFirst();
        return false;
    }
    form1.dialogs().message(kind.foundMessage + *number);
    // With numbers shared by several films this lands on the first of them.
    form1.records().FindFirst(Criterion::numberIs(*number));
    return true;
}

} // namespace

bool occursIn(const QString& answer, const QString& text)
{
    return !text.isEmpty() && text.contains(answer, Qt::CaseInsensitive);
}

void buscapelijeje_Click(Form1& form1, QStringView recordSource)
{
    search(form1, recordSource, kTitleSearch);
}

void buscadirector_Click(Form1& form1, QStringView recordSource)
{
    form1.Command5()->setEnabled(true);
    form1.Command6()->setEnabled(true);
    if (search(form1, recordSource, kDirectorSearch))
        form1.quebus()->setText(form1.box(Field::Director)->text());
}

} // namespace catalogue
