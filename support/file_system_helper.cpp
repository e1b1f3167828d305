#include "support/file_system_helper.h"

#include <QDir>
#include <QFileInfo>

namespace mindrova {

std::unique_ptr<FileSystemObject> FileSystemHelper;

bool FileSystemObject::FolderExists(const QString& folder) const {
    return QFileInfo(folder).isDir();
}

bool FileSystemObject::CreateFolder(const QString& folder) const {
    // Like every folder the program makes: its owner's alone from the start.
    return QDir().mkdir(folder,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace mindrova
