#include "version.h"

QString lochkartorVersion()
{
    return QStringLiteral(LOCHKARTOR_VERSION);
}
