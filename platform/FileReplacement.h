// A file written anew and put in place of a target only when complete, so that readers see
// either the old bytes or all of the new ones: settings, the key store and downloads (saved
// games next).
//
// The bytes go to a temporary file beside the target, "<target name>.tmp-" and six letters or
// digits, made exclusively: no other writer shares it, and a link planted under its name is
// never followed.  Its writer holds a lock on it while it lives; a temporary file of that
// pattern that nobody holds a lock on was left by a writer that died between writing and
// renaming, and is removed when the target is next replaced.  Committing syncs the file, renames
// it onto the target and syncs the folder, so that after a crash the target holds either
// version whole.
//
// A target that is a link is written through: the file the link leads to (through any chain of
// links) is replaced and the link stays.  A link whose file is missing gets that file created;
// when the file's folder is missing too, or the links loop, the replacement fails.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class FileReplacement {
public:
    // Starts replacing the file at `diskPath` (UTF-8): clears stale temporary files of the
    // target and makes its own.
    explicit FileReplacement(const std::string& diskPath);
    // Removes the temporary file when it was not committed.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // True while the temporary file is there to be written.
    bool IsOpen() const { return fd_ >= 0; }
    // Appends bytes; false when they could not all be written.
    bool Write(std::string_view bytes);
    // Puts the written file in place of the target.  A target that is there keeps its
    // permission bits; a new one gets 0644.  False, with the target untouched and the
    // temporary file removed, when anything fails (or a write failed before).
    bool Commit();
    // The file that is replaced: the target, or where its links lead.
    const std::string& Target() const { return target_; }

private:
    void Discard();

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    bool failed_ = false;
};

}  // namespace platform
