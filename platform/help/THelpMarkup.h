#pragma once

#include "platform/help/THelpTopic.h"

#include <string>
#include <string_view>

namespace peglore {

class THelpFile;

// Turns a topic's body into HTML for the help windows. The markup:
//
//     ! A heading            a line starting with "! "
//     * A list item          a line starting with "* "; indented lines
//       go on with it         that follow belong to the same item
//     Other lines            paragraphs, separated by blank lines
//     **bold**               bold text, within a paragraph or item
//     [[201]]                a link to topic 201, shown by its title
//     [[201|a new game]]     a link to topic 201, shown as "a new game"
//     \*  \[  \\  \!         the character itself
//
// Every character of the text is escaped, so the output holds only the tags
// made here (html, body, h2, h3, p, ul, li, b, a href="topic:N") and the
// entities &amp; &lt; &gt; &quot; &#39;. Control characters become blanks.
class THelpMarkup {
public:
    enum class TTarget {
        Window,  // links become <a href="topic:N">
        Popup,  // links become plain text: a pop-up closes on any click
    };

    // The whole page of TOPIC: its title as a heading, then its body. Links
    // to topics missing from FILE become plain text.
    static std::string TopicHtml(const THelpTopic& topic, const THelpFile& file, TTarget target);

    // A page of a heading and one paragraph of plain text.
    static std::string MessageHtml(std::string_view title, std::string_view text);

    // TEXT with & < > " ' replaced by entities and control characters by
    // blanks.
    static std::string Escape(std::string_view text);
};

}  // namespace peglore
