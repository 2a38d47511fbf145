#include "EditingCommands.h"
#include "CatalogueDatabase.h"
#include "CommandProgress.h"
#include "Form1.h"
#include "CatalogueError.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include <optional>

namespace catalogue {

namespace {
constexpr std::array<Field, 6> lockedWhileBrowsing{Field::Idzefo,   Field::Titulo,   Field::Duracion,
                                                   Field::Tipopeli, Field::Director, Field::Totalcds};
} // namespace

EditingCommands::EditingCommands(Form1& form1) : QObject(&form1), form_(form1)
{
    connect(form_.command(1), &QPushButton::clicked, this, [this] { form_.run([this] { Command1_Click(); }); });
    connect(form_.command(3), &QPushButton::clicked, this, [this] { form_.run([this] { Command3_Click(); }); });
    connect(form_.command(4), &QPushButton::clicked, this, [this] { form_.run([this] { Command4_Click(); }); });
    connect(form_.command(2), &QPushButton::clicked, this, [this] { form_.run([this] { Command2_Click(); }); });
    connect(form_.menuItem(QStringLiteral("activaborra")), &QAction::triggered, this,
            [this] { form_.run([this] { activaborra_Click(); }); });
}

void EditingCommands::setAdding()
{
    for (Field f : lockedWhileBrowsing)
        form_.box(f)->setLocked(false);
    form_.command(1)->setEnabled(false);
    form_.command(3)->setEnabled(true);
    form_.setOpcionesEnabled(false);
    form_.command(4)->setEnabled(false);
    form_.command(5)->setEnabled(false);
    form_.command(6)->setEnabled(false);
    form_.navigationBar()->setAvailable(false);
}

void EditingCommands::setBrowsing()
{
    for (Field f : lockedWhileBrowsing)
        form_.box(f)->setLocked(true);
    form_.command(1)->setEnabled(true);
    form_.command(3)->setEnabled(false);
    form_.command(4)->setEnabled(true);
    form_.setOpcionesEnabled(true);
    form_.navigationBar()->setAvailable(true);
}

void EditingCommands::Command1_Click()
{
    form_.records().AddNew();
    setAdding();
    form_.box(Field::Idzefo)->setFocus();
}

void EditingCommands::Command3_Click()
{
    BoundBox* number = form_.box(Field::Idzefo);
    BoundBox* cds = form_.box(Field::Totalcds);
    if (number->text().isEmpty() || form_.box(Field::Titulo)->text().isEmpty()) {
        form_.dialogs().message(missingNumberOrTitle);
        return;
    }
    // A number the catalogue cannot keep must not turn silently into another one.
    if (!parseWholeNumber(number->text())) {
        form_.dialogs().message(isTooBigWholeNumber(number->text()) ? numberTooBig : numberNotWhole);
        number->setFocus();
        return;
    }
    if (!cds->text().trimmed().isEmpty() && !parseWholeNumber(cds->text())) {
        form_.dialogs().message(isTooBigWholeNumber(cds->text()) ? cdsTooBig : cdsNotWhole);
        cds->setFocus();
        return;
    }
    BoundBox* runningTime = form_.box(Field::Duracion);
    if (runningTime->text().size() < 8)
        runningTime->setText(defaultRunningTime);

    form_.records().Update();
    setBrowsing();
    form_.Form_Initialize();
}

void EditingCommands::Command4_Click()
{
    RecordSet& rs = form_.records();
    if (rs.RecordCount() > 0) {
        rs.Delete();
        rs.MoveNext();
        form_.dialogs().message(filmDeleted);
        form_.Form_Initialize();
    }
    if (rs.RecordCount() < 1)
        form_.clearSummary();
}

void EditingCommands::Command2_Click()
{
    RecordSet& rs = form_.records();
    if (rs.isAdding()) {
        // The film being added was never stored: drop it, then clear as usual.
        rs.CancelUpdate();
        setBrowsing();
    }
    try {
        clearAll();
    } catch (const CatalogueError&) {
        // The removals not yet committed are back in the file: show what it holds now.
        form_.Data1().Refresh();
        form_.Form_Initialize();
        throw;
    }
}

void EditingCommands::clearAll()
{
    RecordSet& rs = form_.records();
    auto bulk = form_.Data1().bulkWrites();
    std::optional<FieldBinding::Pause> pause(form_.binding().pause());
    const qint64 films = rs.RecordCount();
    CommandProgress progress(form_, films, QStringLiteral("Borrando Películas... %v De %m"));
    for (;;) {
        if (rs.Eof()) {
            bulk.commit();
            form_.clearSummary();
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
            form_.dialogs().message(catalogueCleared);
            pause.emplace(form_.binding().pause());
        }
    }
}

void EditingCommands::activaborra_Click()
{
    QPushButton* clearAll = form_.command(2);
    const bool arm = !clearAll->isEnabled();
    clearAll->setEnabled(arm);
    form_.menuItem(QStringLiteral("activaborra"))->setChecked(arm);
}

} // namespace catalogue
