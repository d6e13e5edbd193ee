#include "replaced_files.h"

#include <QFileDevice>
#include <QFileInfo>

#include <unistd.h>

namespace osmira::render {

QString FileBehindLinks(const QString& path) {
    QFileInfo info(path);
    // As many hops as the system allows; a loop is left to the save to report.
    for (int hops = 0; hops < 40 && info.isSymLink(); ++hops) {
        info.setFile(info.symLinkTarget());
    }
    return info.isSymLink() ? path : info.filePath();
}

bool IsReadOnlyFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return false;
    }
    if (info.ownerId() == ::geteuid()) {
        return !info.permission(QFileDevice::WriteOwner);
    }
    return !info.isWritable();
}

} // namespace osmira::render
