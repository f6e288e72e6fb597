#pragma once

#include <QString>

class QFile;

// Opening a file the user named as input, with the true reason when that
// fails: a folder, a name that is not there, or what the system refuses.
namespace InputFile {

// Opens `file` for reading; an empty string, or why it cannot be read, in
// words for the user.
QString open(QFile &file);

} // namespace InputFile
