// A directory held open by its descriptor, so that later work in it reaches that very directory
// whatever happens to its path meanwhile: renamed, replaced by a link, its modes loosened. The
// agent holds a task's directory from before its scripts run, to remove the item's secrets from
// it afterwards. Failures throw std::runtime_error naming the path and the cause.
#pragma once

#include <string>

class HeldDirectory
{
public:
    /// Opens the directory at `path` (its real path, with no link left to follow).
    explicit HeldDirectory(const std::string& path);
    ~HeldDirectory();

    HeldDirectory(const HeldDirectory&) = delete;
    HeldDirectory& operator=(const HeldDirectory&) = delete;

    /// The path it was opened by, ending in "/".
    const std::string& Path() const;
    /// Removes the entry `name` (a file or a link, never a link's target) from the directory.
    /// Returns false when nothing was there; throws when the entry stays.
    bool RemoveFile(const std::string& name) const;

private:
    std::string path;
    int descriptor;
};
