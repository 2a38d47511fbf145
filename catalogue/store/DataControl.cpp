#include "DataControl.h"

namespace catalogue {

DataControl::DataControl(std::unique_ptr<CatalogueDatabase> database)
    : database_(std::move(database)), recordSet_(*database_)
{}

Opening<DataControl> DataControl::open(const QString& databaseName)
{
    auto opened = CatalogueDatabase::open(databaseName);
    if (!opened.catalogue)
        return {opened.result, nullptr, opened.messages, {}, opened.problem};
    std::unique_ptr<DataControl> control(new DataControl(std::move(opened.catalogue)));
    QStringList notices = opened.notices;
    try {
        // Only a catalogue that could be read whole is made ready for writing.
        control->Refresh();
        notices << control->database_->finishOpening();
    } catch (const CatalogueError& e) {
        return Opening<DataControl>::refused(e.message());
    }
    return {opened.result, std::move(control), {}, notices};
}

void DataControl::Refresh()
{
    // Parsed first, so a source that cannot be read leaves the record set as it was.
    const RecordSourceOrder order = parseRecordSource(recordSource_);
    recordSet_.rebuild(order);
}

} // namespace catalogue
