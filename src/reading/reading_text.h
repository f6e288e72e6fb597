#pragma once

#include <QCoreApplication>

// The reader's texts are the window's texts: one translation context.
class ReadingText
{
    Q_DECLARE_TR_FUNCTIONS(Lochkartor)
};
