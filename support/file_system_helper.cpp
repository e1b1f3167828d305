#include "support/file_system_helper.h"

#include <QDir>
#include <QFileInfo>

namespace mindrova {

std::unique_ptr<FileSystemObject> FileSystemHelper;

bool FileSystemObject::FolderExists(const QString& folder) const {
    return QFileInfo(folder).isDir();
}

bool FileSystemObject::CreateFolder(const QString& folder) const {
    return QDir().mkdir(folder);
}

}  // namespace mindrova
