#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace kw {

// The bytes FF FE followed by the text as UTF-16 little-endian units, as the program writes its
// subtitle and settings files.
QByteArray utf16LeWithMark(QStringView text);

// Replaces the file at `path` with `bytes` so that, whatever happens (a full disk, a failed
// write, the process killed), the file holds either its old content or all of the new one. A
// read-only file is made writable first. Returns 0, or the error number (errno) of the failure.
int writeFileAtomically(const QString& path, QByteArrayView bytes);

// Gives the owner write permission on an existing file; the counterpart of clearing the
// read-only attribute.
void makeWritable(const QString& path);

// The C library's text for an error number, as shown in failure messages.
QString errorText(int errorNumber);

// Creates every folder named along `path` before its last component; existing ones are kept and
// failures are ignored.
void createFolders(const QString& path);

} // namespace kw
