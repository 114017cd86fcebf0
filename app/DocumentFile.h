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
// Writing: every line followed by CR LF, into a temporary file beside the target that is renamed
// over it only when everything was written, so a failed save leaves the old file as it was.

#include <QString>

#include <stdexcept>

namespace varlo {

class EditorModel;

class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace DocumentFile {

// Throws DocumentError when the file cannot be opened or read; lines read before a failure stay
// in the target.
void read(const QString& path, EditorModel& target);
// Throws DocumentError when the file cannot be written; the file is then unchanged.
void write(const QString& path, const EditorModel& source);

} // namespace DocumentFile

} // namespace varlo
