#include "stream_check.h"
#include "safe_write.h"
#include "texts.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cerrno>

namespace StreamCheck {

namespace {

// True when everything written reached the device; `error` then keeps the
// system's reason for a failure, as far as it is known.
bool flushed(QTextStream &stream, int *error)
{
    errno = 0;
    stream.flush();
    *error = errno;
    return stream.status() == QTextStream::Ok;
}

} // namespace

int finish(int status, QTextStream &out, QTextStream &err)
{
    int outError = 0;
    const bool outOk = flushed(out, &outError);
    if (!outOk) {
        err << QCoreApplication::applicationName() << ": "
            << LochkartorText::tr("Die Ausgabe konnte nicht vollständig geschrieben werden: %1")
                   .arg(outError != 0 ? SafeWrite::systemErrorText(outError)
                                      : LochkartorText::tr("Der Grund ist nicht bekannt."))
            << "\n";
    }
    int errError = 0;
    const bool errOk = flushed(err, &errError);
    return outOk && errOk ? status : 1;
}

} // namespace StreamCheck
