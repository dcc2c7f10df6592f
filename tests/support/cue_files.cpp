#include "tests/support/cue_files.h"

#include "controller/main_controller.h"
#include "tests/support/folders.h"

#include <QDir>
#include <QFile>

QByteArray ShippedCue(const QString& name) {
    QFile file(QString::fromUtf8(ProjectSourceDir) + QStringLiteral("/assets/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

WorkingDirectory::WorkingDirectory() : m_previous(QDir::currentPath()) {
    QDir::setCurrent(m_dir.path());
}

WorkingDirectory::~WorkingDirectory() {
    // A cue left without permissions must become removable again.
    for (const char* cue : {InitCue, ExitCue}) {
        QFile::setPermissions(path(cue), QFile::ReadOwner | QFile::WriteOwner);
    }
    QDir::setCurrent(m_previous);
}

bool WorkingDirectory::holdsShippedCues() const {
    return WriteFile(path(InitCue), ShippedCue(InitCue)) &&
           WriteFile(path(ExitCue), ShippedCue(ExitCue));
}
