#pragma once
// The process-wide folder helper that start-up creates and the closing window releases; the
// trace log asks it whether its folder exists and creates it.

#include <QString>
#include <memory>

namespace mindrova {

class FileSystemObject {
public:
    virtual ~FileSystemObject() = default;
    virtual bool FolderExists(const QString& folder) const;
    virtual bool CreateFolder(const QString& folder) const;
};

extern std::unique_ptr<FileSystemObject> FileSystemHelper;

}  // namespace mindrova
