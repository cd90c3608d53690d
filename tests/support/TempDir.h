#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace kwtest {

// A scratch folder removed with the fixture; files are written as raw bytes.
class TempDir {
public:
    TempDir();
    QString path(const QString& name) const;
    QString write(const QString& name, const QByteArray& bytes) const;
    static QByteArray read(const QString& path);
    // Names of everything in the folder, hidden entries included, sorted.
    QStringList entries() const;

private:
    QTemporaryDir dir_;
};

} // namespace kwtest
