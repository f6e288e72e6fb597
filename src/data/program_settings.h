#pragma once

#include <QString>

// Where the program keeps its settings (the recent files, the last folder of
// the file dialogs, the print correction). The window names itself so; the
// batch renderer reads the print correction from the same place.
namespace ProgramSettings {

inline QString organisation()
{
    return QStringLiteral("Lochkartor");
}

inline QString application()
{
    return QStringLiteral("lochkartor");
}

} // namespace ProgramSettings
