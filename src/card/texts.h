#pragma once

#include <QCoreApplication>

// Every text the program shows is translated in the context of its window,
// whichever file writes it; code outside the window class uses this tr().
class LochkartorText
{
    Q_DECLARE_TR_FUNCTIONS(Lochkartor)
};
