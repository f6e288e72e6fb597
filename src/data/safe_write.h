#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Replacing a user's file so that a failure never leaves it cut off: the
// new content goes to a new file in the same folder, every write and the
// final flush are checked, the file is read back, and only then does it
// take the old file's place. Used for card pictures, PDF printouts and tube
// data files alike.
namespace SafeWrite {

// Whether the bytes are complete for their format (a PNG with its end
// chunk, a PDF with its end marker, a tube data file that reads back).
using Check = std::function<bool(const QByteArray &)>;

// What a file already at the target must be for a write to replace it: a
// file of the kind the write makes, judged by `holds` from its first
// `headSize` bytes, or else `notIt` says what it is not. An empty file holds
// nothing to lose and is always replaced.
struct Existing
{
    Check holds;
    QString notIt;
    qint64 headSize = 64 * 1024;
};

// Empty, or why a write to `fileName` must not happen (see WriteTarget, and
// an existing file that `existing` refuses).
QString refusal(const QString &fileName, const Existing &existing);

// Returns an empty string, or why the file was not written, in words for
// the user. The old file is untouched on any failure, and so is anything
// that `refusal` refuses.
QString replaceFile(const QString &fileName, const QByteArray &content, const Check &check,
                    const Existing &existing);

// Writes the whole content to an open stream such as the standard output;
// an empty string or why it did not get there.
QString writeStream(int fd, const QByteArray &content);

// The reason for a system error number (errno), translated.
QString systemErrorText(int error);

// Makes the next writes fail once `bytes` bytes are written, with the
// system error `error`, as a full disk would; bytes < 0 switches it off.
void failWritesAfter(qint64 bytes, int error);

} // namespace SafeWrite
