#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A temporary folder made the working directory while it lives, since the program names
// its files relative to the working directory.
class TempFolder {
public:
    TempFolder() : m_previous(QDir::currentPath()) {
        EXPECT_TRUE(m_dir.isValid());
        QDir::setCurrent(m_dir.path());
    }
    ~TempFolder() { QDir::setCurrent(m_previous); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    QString path() const { return m_dir.path(); }

    // Writes a file, creating its folders.
    static void write(const QString& relative, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(relative).path());
        QFile file(relative);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
        file.write(bytes);
    }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
