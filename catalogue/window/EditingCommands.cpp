#include "EditingCommands.h"
#include "FieldValues.h"
#include "CatalogueError.h"
#include "CommandProgress.h"
#include "Form1.h"

#include <QAction>
#include <QPushButton>

#include <optional>

namespace catalogue {

namespace {

constexpr std::array<Field, 6> kLockedWhileBrowsing{Field::Idzefo,   Field::Titulo,   Field::Duracion,
                                                    Field::Tipopeli, Field::Director, Field::Totalcds};

void setAdding(Form1& form1)
{
    for (Field f : kLockedWhileBrowsing)
        form1.box(f)->setLocked(false);
    form1.Command1()->setEnabled(false);
    form1.Command3()->setEnabled(true);
    form1.setOpcionesEnabled(false);
    form1.Command4()->setEnabled(false);
    form1.Command5()->setEnabled(false);
    form1.Command6()->setEnabled(false);
    form1.navigationBar()->setAvailable(false);
}

void setBrowsing(Form1& form1)
{
    for (Field f : kLockedWhileBrowsing)
        form1.box(f)->setLocked(true);
    form1.Command1()->setEnabled(true);
    form1.Command3()->setEnabled(false);
    form1.Command4()->setEnabled(true);
    form1.setOpcionesEnabled(true);
    form1.navigationBar()->setAvailable(true);
}

void clearAll(Form1& form1)
{
    RecordSet& rs = form1.records();
    auto bulk = form1.Data1().bulkWrites();
    std::optional<FieldBinding::Pause> pause(form1.binding().pause());
    const qint64 films = rs.RecordCount();
    CommandProgress progress(form1, films, QStringLiteral("Borrando Películas... %v De %m"));
    for (;;) {
        if (rs.Eof()) {
            bulk.commit();
            form1.clearSummary();
            return;
        }
        rs.Delete();
        rs.MoveNext();
        if ((rs.RecordCount() & 1023) == 0)
            progress.step(films - rs.RecordCount());
        if (rs.Eof()) {
            rs.MoveFirst();
            bulk.commit(); // on disk before the user is told
            progress.hide();
            pause.reset(); // the window shows what is left while the message is up
            form1.dialogs().message(kCatalogueCleared);
            pause.emplace(form1.binding().pause());
        }
    }
}

} // namespace

void attachEditingCommands(Form1& form1)
{
    form1.runOnClick(form1.Command1(), Command1_Click);
    form1.runOnClick(form1.Command3(), Command3_Click);
    form1.runOnClick(form1.Command4(), Command4_Click);
    form1.runOnClick(form1.Command2(), Command2_Click);
}

void Command1_Click(Form1& form1)
{
    form1.records().AddNew();
    setAdding(form1);
    form1.box(Field::Idzefo)->setFocus();
}

void Command3_Click(Form1& form1)
{
    BoundBox* number = form1.box(Field::Idzefo);
    BoundBox* cds = form1.box(Field::Totalcds);
    if (number->text().isEmpty() || form1.box(Field::Titulo)->text().isEmpty()) {
        form1.dialogs().message(kMissingNumberOrTitle);
        return;
    }
    // A number the catalogue cannot keep must not turn silently into another one.
    if (!parseWholeNumber(number->text())) {
        form1.dialogs().message(isTooBigWholeNumber(number->text()) ? kNumberTooBig : kNumberNotWhole);
        number->setFocus();
        return;
    }
    if (!cds->text().trimmed().isEmpty() && !parseWholeNumber(cds->text())) {
        form1.dialogs().message(isTooBigWholeNumber(cds->text()) ? kCdsTooBig : kCdsNotWhole);
        cds->setFocus();
        return;
    }
    BoundBox* runningTime = form1.box(Field::Duracion);
    if (runningTime->text().size() < 8)
        runningTime->setText(kDefaultRunningTime);

    form1.records().Update();
    setBrowsing(form1);
    form1.Form_Initialize();
}

void Command4_Click(Form1& form1)
{
    RecordSet& rs = form1.records();
    if (rs.RecordCount() > 0) {
        rs.Delete();
        rs.MoveNext();
        form1.dialogs().message(kFilmDeleted);
        form1.Form_Initialize();
    }
    if (rs.RecordCount() < 1)
        form1.clearSummary();
}

void Command2_Click(Form1& form1)
{
    RecordSet& rs = form1.records();
    if (rs.isAdding()) {
        // The film being added was never stored: drop it, then clear as usual.
        rs.CancelUpdate();
        setBrowsing(form1);
    }
    try {
        clearAll(form1);
    } catch (const CatalogueError&) {
        // The removals not yet committed are back in the file: show what it holds now.
        form1.Data1().Refresh();
        form1.Form_Initialize();
        throw;
    }
}

void activaborra_Click(Form1& form1)
{
    QPushButton* clearAll = form1.Command2();
    const bool arm = !clearAll->isEnabled();
    clearAll->setEnabled(arm);
    form1.activaborra()->setChecked(arm);
}

} // namespace catalogue
