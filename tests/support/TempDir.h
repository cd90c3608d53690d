#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace kwtest {

// A scratch folder removed with the fixture; files are written as raw bytes.
class TempDir {
public:
    TempDir();
    QString path(const QString& name) const;
    QString write(const QString& name, const QByteArray& bytes) const;
    static QByteArray read(const QString& path);

private:
    QTemporaryDir dir_;
};

} // namespace kwtest
