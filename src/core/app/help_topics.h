#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zam {

// The help topics: context number -> topic name; the page of a topic is
// "html/" + name + ".htm" in the help folder.
const std::vector<std::pair<int, const char*>>& HelpTopics();
// The first topic of the context, empty when there is none.
std::string HelpTopicFor(int context);

// The help viewer, part of the platform seams.
class THelpViewer {
public:
    virtual ~THelpViewer() = default;
    virtual void ShowPage(const std::string& file) = 0;
    virtual void ShowContents(const std::string& folder) = 0;
    virtual void ShowIndex(const std::string& folder) = 0;
    virtual void CloseAll() = 0;
};
void SetHelpViewer(THelpViewer* viewer);

// Where the topics are: the start directory's "help" folder, else the
// folder the program was built with.
std::string HelpFolder();
void SetHelpFolder(const std::string& folder);

// Shows the topic of a context (contents for 0 or less) with the system's
// messages for a missing help folder or a context without topic. The
// position code of the asking dialog decides where the message goes.
void ShowHelp(int context, int askingPosition = 0);
void ShowHelpIndex();
void CloseHelp();

}
