#pragma once

#include <cstdint>
#include <string>
#include <vector>

// How the host writes the files a command makes, and checks the paths it is given. Paths are
// UTF-8. Main thread.
//
// A regular file, or a path where nothing is yet, gets the new file through a temporary
// file in the same folder (unnamed where the file system allows) that is renamed into
// place only when complete, so that a failed or killed write leaves the old file and no
// litter. A replaced file keeps its permissions (and its owner and group where the process
// may set them). A symlink is followed to its target; a link that cannot be resolved (a
// loop, or a chain longer than the system follows) is refused. A character device or FIFO
// is written directly (a FIFO only when a reader is there: never blocking; a reader that
// leaves early is a failed write, never a signal that ends the program). A folder or any
// other kind of file is refused; nothing that was at the path is ever removed.
//
// On Windows the same holds with its own kinds of file: a device (NUL, CON, COM1) or a pipe
// is written directly; a link to nothing, which a write would replace, is refused; a
// read-only file stays as it is (the rename fails).
class OutputFile
{
  public:
    OutputFile() = default;
    ~OutputFile(); // an uncommitted file is abandoned: the target stays as it was
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False, with a message, when the path cannot take a file.
    bool open(const std::string& path, std::string& error);
    // The descriptor to write to (the C library's, on Windows too); the file starts empty.
    int descriptor() const { return fd; }
    // Whether the path is a device or FIFO written directly (it cannot seek).
    bool isDirect() const { return direct; }
    // Completes the file on disk under its temporary name, so that only the rename is left:
    // a pair of outputs prepared first are then put in place one right after the other.
    // False with a message. Optional before commit.
    bool prepare(std::string& error);
    // Puts the file in place (or finishes writing the device). False with a message.
    bool commit(std::string& error);

  private:
    void abandon();

    std::string target;    // the path to replace, symlinks resolved
    std::string temporary; // the named temporary file, when an unnamed one was not possible
    bool unnamed = false;  // O_TMPFILE (Linux)
    bool prepared = false;
    bool direct = false;
    int fd = -1;
};

// Writes all of size bytes to a descriptor, whatever the pieces the system takes at a time.
bool writeAll(int fd, const uint8_t* data, size_t size);

// A file of the system's temporary folder that disappears when closed, for a file that must
// be finished before it goes to a device. Returns its descriptor, or -1 with a message about
// writing path.
int openScratchFile(const std::string& path, std::string& error);

// Copies everything from the start of the descriptor from to the descriptor to.
bool copyFromStart(int from, int to);

// Writes bytes through an OutputFile. False with a message.
bool writeOutputFile(const std::string& path, const std::vector<uint8_t>& bytes,
                     std::string& error);

// Opens a file for reading without ever blocking: anything but a regular file (a FIFO, a
// device, a folder) is refused with a message. Returns the descriptor or -1.
int openRegularFile(const std::string& path, std::string& error);

// Whether two paths name the same file: the same existing file (device and inode, symlinks
// followed), or, where either is not there yet, the same place once links, "." and ".."
// are resolved ("x.wav", "./x.wav", "sub/../x.wav", a link to a missing "x.wav").
bool sameFile(const std::string& a, const std::string& b);

// Whether a regular file is at the path (symlinks followed).
bool isExistingFile(const std::string& path);

// For each system's OutputFile. Any thread. The name of a new temporary file for process id,
// its own among those the process makes: ".ORLtmp-<id>-<count>", short whatever the target's
// name, so that a name of the longest length a folder takes can still be replaced. The id of
// the writer of a folder entry of that form, or of the earlier form "<targetName>.part-<id>"
// (0 when the entry is neither).
std::string nextTemporaryName(unsigned long processId);
unsigned long temporaryOwner(const std::string& entryName, const std::string& targetName);

// For each system's OutputFile. Any thread. Tells on stderr that the temporary file at path,
// left by the interrupted process id, was removed: a named temporary file may have been
// between a finished write and its rename, so a pair of outputs may have been split there.
void reportRemovedTemporary(const std::string& path, unsigned long processId);
