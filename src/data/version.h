#pragma once

#include <QString>

// The program's version, the one number of the CMake project: the about box
// and --version of both programs show it.
QString lochkartorVersion();
