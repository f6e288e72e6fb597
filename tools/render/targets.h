#pragma once

// Where the outputs of one run of lochkartor-render go. A run never writes
// over one of its own input files, nor over a file that is not what the
// output makes; -o and --pdf are checked before anything is read or
// written, the pictures of --out-dir each before it is written.

#include "options.h"

#include <QList>
#include <QPair>
#include <QString>

class QTextStream;

namespace RenderTargets {

// The files the run reads: tube files, --read-json and --read-image,
// known by their device and inode, whatever name reaches them.
class Inputs
{
public:
    explicit Inputs(const RenderOptions::Options &options);
    bool contains(const QString &fileName) const;

private:
    QList<QPair<quint64, quint64>> m_files;
};

// Empty, or why a picture of --out-dir or -o must not go to `fileName`.
QString pictureRefusal(const Inputs &inputs, const QString &fileName);

// Whether -o and --pdf can take their outputs; false after each refusal
// has been written to err as "name: reason".
bool acceptable(const RenderOptions::Options &options, const Inputs &inputs, QTextStream &err);

// Writes the bytes to the standard output; an empty string or the reason.
QString toStandardOutput(const QByteArray &bytes);

} // namespace RenderTargets
