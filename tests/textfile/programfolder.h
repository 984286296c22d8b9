#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A temporary program folder with an empty "multiple" folder, made the working directory
// for the test's lifetime, because the program names its files relative to it.
class ProgramFolder {
public:
    ProgramFolder() : m_previous(QDir::currentPath()) {
        EXPECT_TRUE(m_dir.isValid());
        QDir::setCurrent(m_dir.path());
        QDir().mkdir(QStringLiteral("multiple"));
    }
    ~ProgramFolder() { QDir::setCurrent(m_previous); }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
    }

    // The file's bytes; a missing file reads as "<missing>".
    static QByteArray read(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArrayLiteral("<missing>");
        return file.readAll();
    }

    // The names in a folder, to show that no temporary file was left behind.
    static QStringList entries(const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
