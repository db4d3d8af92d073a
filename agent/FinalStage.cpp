#include "FinalStage.h"

#include "LocalFile.h"
#include "XmlDocument.h"

#include <Poco/DOM/Attr.h>
#include <Poco/DOM/AutoPtr.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeFilter.h>
#include <Poco/DOM/NodeIterator.h>
#include <Poco/Format.h>
#include <Poco/Path.h>

#include <ostream>
#include <stdexcept>
#include <sys/stat.h>

namespace
{
/// An administrator's table of a few lines; a bound all the same, as it is read whole.
const std::size_t tableLimit = 16 * 1024 * 1024;

/// The listing of one element, as callers of the agent read it: "name:text", then the element's
/// id on a line of its own when it has attributes and an id among them.
void List(std::ostream& out, const Poco::XML::Element& element, const std::string& text, const Poco::XML::Attr* id)
{
    out << element.nodeName() << ":" << text << std::endl;
    if (id)
        out << id->innerText() << std::endl;
}
} // namespace

FinalStage::FinalStage(const std::string& configFile)
{
    Poco::Path table(configFile);
    table.makeParent();
    table.makeAbsolute();
    table.makeDirectory();
    table.setFileName("config.xml");
    path = table.toString();
}

const std::string& FinalStage::Path() const
{
    return path;
}

bool FinalStage::Exists() const
{
    // A link that leads nowhere is there too: Marks says what is wrong with it.
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0;
}

bool FinalStage::Marks(const std::string* task, std::ostream& out) const
{
    // The administrator's file, not the scripts': configuration management and container
    // mounts put it in place as a symbolic link, which is followed.
    const LocalFile::Contents file = LocalFile::ReadRegular(path, tableLimit, LocalFile::LastLink::Followed);
    if (!file.found)
        throw std::runtime_error(
            Poco::format("The final-stage table '%s' is gone, or is a symbolic link that leads nowhere", path));
    Poco::XML::AutoPtr<Poco::XML::Document> document =
        XmlDocument::Parse(file.text, Poco::format("The final-stage table '%s'", path), XmlDocument::KeepWhitespace);
    Poco::XML::NodeIterator iterator(document, Poco::XML::NodeFilter::SHOW_ELEMENT);
    for (Poco::XML::Node* node = iterator.nextNode(); node; node = iterator.nextNode())
    {
        const auto& element = static_cast<const Poco::XML::Element&>(*node);
        const std::string text = element.innerText();
        // An element without an id never marks a stage.
        const Poco::XML::Attr* id = element.hasAttributes() ? element.getAttributeNode("id") : nullptr;
        List(out, element, text, id);
        if (id && task && id->innerText() == *task && text == "True")
            return true;
    }
    return false;
}
