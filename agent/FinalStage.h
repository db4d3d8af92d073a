// The final-stage table, config.xml beside the configuration file: an element whose "id" names a
// task and whose text is exactly "True" marks that task as the last of the provisioning sequence.
// The table is the administrator's file, so a symbolic link there is followed; it must lead to a
// regular file. Reading it lists its elements on standard output. A table that cannot be read throws
// (std::runtime_error for one that is not a regular file or leads nowhere, the parser's exception,
// or Poco::XML::XMLException for one nested too deep or with a document type declaration).
#pragma once

#include <iosfwd>
#include <string>

class FinalStage
{
public:
    /// The table in the directory of `configFile`, made absolute against the working directory
    /// (with no configuration file, the parent of the working directory).
    explicit FinalStage(const std::string& configFile);

    /// The table's path, absolute.
    const std::string& Path() const;
    /// Whether something is at the path (a symbolic link counts, wherever it leads).
    bool Exists() const;

    /// Walks the table's elements in document order, listing each on `out`, and returns true at
    /// the first that marks `task` (no element does when `task` is null).
    bool Marks(const std::string* task, std::ostream& out) const;

private:
    std::string path;
};
