#pragma once

// Document files on disk: bytes taken and written as they are (Windows-1251 text, no byte-order
// mark, no conversion).
//
// Reading: a line ends at LF, at CR LF or at a lone CR, or at the end of the file; the line end is
// not part of the line, and a line end at the very end of the file gives no extra empty line.
// Every other byte, NUL and character 26 included, stays in its line. Lines are appended to the
// target without an undo record, without touching the modified flag and without a change
// notification.
//
// Writing: every line followed by CR LF. A save never leaves a damaged file and keeps what the
// file was: its owner, group, mode and extended attributes, its hard links, and a symbolic link
// leading to it (the link's target gets the text). The text normally goes into a temporary file
// beside the target that takes the old file's owner, group, mode and attributes and is then
// renamed over it. Where those cannot be carried over, or the file has other hard links, the
// file is written in place instead, after its old content was copied aside; a failure then puts
// the old content back.

#include <QString>

#include <stdexcept>

namespace varlo {

class EditorModel;

// What went wrong, in words a user can act on: the operation, the file and the system's reason.
class DocumentError : public std::runtime_error {
public:
    DocumentError(QString operation, QString path, QString reason);

    const QString& operation() const { return operation_; }
    const QString& path() const { return path_; }
    const QString& reason() const { return reason_; }
    // "operation: path: reason"
    QString details() const;

private:
    QString operation_;
    QString path_;
    QString reason_;
};

namespace DocumentFile {

// Throws the DocumentError that read would throw when the file cannot be opened for reading.
void checkReadable(const QString& path);
// Throws DocumentError when the file cannot be opened or read; lines read before a failure stay
// in the target.
void read(const QString& path, EditorModel& target);
// Throws DocumentError when the file cannot be written; the file is then unchanged.
void write(const QString& path, const EditorModel& source);

} // namespace DocumentFile

} // namespace varlo
