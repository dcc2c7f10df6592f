#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// The cues as shipped, from the source tree.
QByteArray ShippedCue(const QString& name);

bool WriteFile(const QString& path, const QByteArray& bytes);

// Makes an empty temporary folder the working directory for one test, where
// the cues are looked up; the previous one comes back at the end.
class WorkingDirectory {
public:
    WorkingDirectory();
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Puts both shipped cues into the folder.
    bool holdsShippedCues() const;

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
