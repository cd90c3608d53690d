#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace kwtest {

TempDir::TempDir() : dir_(QDir::tempPath() + "/kwtest-XXXXXX") {
    EXPECT_TRUE(dir_.isValid());
}

QString TempDir::path(const QString& name) const {
    return dir_.filePath(name);
}

QString TempDir::write(const QString& name, const QByteArray& bytes) const {
    const QString full = path(name);
    QFile file(full);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << full.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size());
    return full;
}

QByteArray TempDir::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList TempDir::entries() const {
    return QDir(dir_.path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                   QDir::Name);
}

} // namespace kwtest
