#pragma once

#include <QString>

namespace kw {

// The running program's folder.
QString programFolder();

// A data file that ships with the program (eg.mp3, eg.lrc, chord.wav): beside the program in a
// build tree, in ../share/kelpwhistle when installed. When it exists in neither, the path
// beside the program (so messages name a sensible place).
QString dataFilePath(const QString& name);

// An external tool: the program's folder first, then PATH; empty when there is none.
QString findTool(const QString& name);

} // namespace kw
