// One unit of provisioning work addressed to this agent: an id, a task (the name of the task
// directory whose scripts run) and named string properties, some of which may arrive encrypted.
// Parse throws the XML parser's exception for a document that is not well-formed (and an
// XMLException for one with a document type declaration, markup longer than
// XmlShape::markupLimit or nesting deeper than XmlShape::depthLimit, see XmlDocument); the exports
// throw std::runtime_error, before writing anything, for a property XML cannot carry.
#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

class WorkItem
{
public:
    WorkItem();
    ~WorkItem();

    /// Fills the work item from a work item document: id from the root element, task from the
    /// first "task" element, one property per "parameter" element (names lower-cased, the first
    /// of equal names wins) and every property marked by "<name>.isencrypted" decrypted.
    void Parse(std::istream& stream);
    void Parse(const std::string& text);

    /// The names of the encrypted properties whose values cannot be decrypted (not base64, not
    /// whole blocks, bad padding), in key order; their values are left empty. An item with any
    /// must not be processed.
    const std::vector<std::string>& UndecryptableProperties() const;

    /// The properties that may be shown: every property less the decrypted ones.
    const std::map<std::string, std::string>& VisibleProperties() const;

    /// Every property, decrypted values in plain text, by name.
    const std::map<std::string, std::string>& AllProperties() const;

    /// Builds an item from its parts instead of parsing a document (an item that another process
    /// parsed): adds a property, shown in the work item document when `visible`. False, and
    /// nothing changes, when the name is already taken.
    bool AddProperty(const std::string& name, const std::string& value, bool visible);
    /// Marks an added property, hidden and empty, as one whose value could not be decrypted.
    /// False, and nothing changes, for a name that is not such a property or is marked already.
    bool AddUndecryptable(const std::string& name);

    /// The value stored under exactly `name` (decrypted if it was encrypted); empty when absent.
    std::string GetProperty(std::string name);

    /// The work item document: id, task and the properties less the decrypted ones.
    void ExportWorkitemAsXml(std::ostream& out) const;
    /// The properties document: every property, decrypted values in plain text.
    void ExportPropertiesAsXml(std::ostream& out) const;

    /// The text dump: never shows a decrypted value.
    friend std::ostream& operator<<(std::ostream& out, const WorkItem& item);

private:
    std::map<std::string, std::string> properties;
    std::map<std::string, std::string> visibleProperties;
    std::vector<std::string> undecryptable;

public:
    std::string id;
    std::string task;
};

std::ostream& operator<<(std::ostream& out, const WorkItem& item);
