#pragma once

#include <string>
#include <vector>

namespace peglore {

// One topic of a help file. Texts are UTF-8 as read from the file; Body is
// still in the help file's markup (see THelpMarkup).
struct THelpTopic {
    int Context = 0;
    std::string Title;
    std::vector<std::string> Keywords;
    std::string Body;
};

}  // namespace peglore
