// readJetTable where mdbtools is not built in: the Windows build. mdbtools'
// library cannot be cross-built for Windows from the sources this project's
// builds can fetch, so a Jet catalogue is refused with a message that says
// what to do, and the file is left as it was.
#include "JetTableReader.h"

namespace catalogue::jet {

JetTableRead readJetTable(const QString&, const QString&, const std::function<bool(const JetColumn&)>&)
{
    JetTableRead out;
    out.status = JetTableRead::Status::NoReader;
    out.problem = QStringLiteral("la versión de este programa para Windows no sabe leer bases de datos de Access. "
                                 "La versión para Linux lo convierte al formato de este programa: ábrelo una vez "
                                 "con ella y copia aquí el catálogo convertido.");
    return out;
}

} // namespace catalogue::jet
