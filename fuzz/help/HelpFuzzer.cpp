// Fuzzes the help file reader and the markup converter over arbitrary file
// contents.
//
// Checks that the model keeps its promises (unique contexts in range, bounded
// titles and keywords, Find agreeing with the list, bounded problems) and that
// every page holds only the tags and entities the converter makes, properly
// nested, with no link in a pop-up: whatever the file says, it cannot put
// markup of its own into a help window.

#include "platform/help/THelpFile.h"
#include "platform/help/THelpMarkup.h"

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace peglore;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool StartsWith(std::string_view s, std::size_t at, std::string_view prefix)
{
    return s.substr(at, prefix.size()) == prefix;
}

// Every "&" starts one of the converter's entities; no quote or angle
// bracket appears outside a tag.
void CheckEntities(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        Check(c != '<' && c != '>' && c != '"' && c != '\'');
        if (c == '&')
            Check(StartsWith(text, i, "&amp;") || StartsWith(text, i, "&lt;") || StartsWith(text, i, "&gt;") ||
                  StartsWith(text, i, "&quot;") || StartsWith(text, i, "&#39;"));
        Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    }
}

// The page is made of known tags only, nested properly, with text between
// them that CheckEntities accepts.
void CheckPage(std::string_view html, bool linksAllowed)
{
    static const std::set<std::string_view> names{"html", "body", "h2", "h3", "p", "ul", "li", "b", "a"};
    std::vector<std::string> open;
    std::size_t i = 0;
    while (i < html.size()) {
        const std::size_t tag = html.find('<', i);
        CheckEntities(html.substr(i, tag == std::string_view::npos ? std::string_view::npos : tag - i));
        if (tag == std::string_view::npos)
            break;
        const std::size_t end = html.find('>', tag);
        Check(end != std::string_view::npos);
        std::string_view inside = html.substr(tag + 1, end - tag - 1);
        i = end + 1;
        if (!inside.empty() && inside.front() == '/') {
            Check(!open.empty() && open.back() == inside.substr(1));
            open.pop_back();
            continue;
        }
        if (StartsWith(inside, 0, "a href=\"topic:")) {
            Check(linksAllowed);
            std::string_view number = inside.substr(14);
            Check(number.size() >= 2 && number.back() == '"');
            number.remove_suffix(1);
            Check(!number.empty() && number.size() <= 9 && number.front() != '0');
            for (const char c : number)
                Check(c >= '0' && c <= '9');
            inside = "a";
        }
        Check(names.count(inside) == 1);
        open.emplace_back(inside);
    }
    Check(open.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const THelpFile file = THelpFile::Parse(text);

    Check(file.Problems().size() <= THelpFile::MaxProblems);
    Check(file.ProblemCount() >= file.Problems().size());
    Check(file.IsValid() == !file.Topics().empty());
    Check(file.Find(0) == nullptr);

    std::set<int> contexts;
    for (const THelpTopic& topic : file.Topics()) {
        Check(topic.Context >= 1 && topic.Context <= THelpFile::MaxContext);
        Check(contexts.insert(topic.Context).second);
        Check(file.Find(topic.Context) == &topic);
        Check(!topic.Title.empty() && topic.Title.size() <= THelpFile::MaxTitleLength);
        std::set<std::string> keywords;
        for (const std::string& keyword : topic.Keywords) {
            Check(!keyword.empty() && keyword.size() <= THelpFile::MaxTitleLength);
            Check(keyword.find(';') == std::string::npos);
            Check(keywords.insert(keyword).second);
        }
        Check(topic.Body.empty() || topic.Body.back() != '\n');
    }

    // Pages of a few topics; converting every topic of a large input would
    // only slow the fuzzer down.
    std::size_t pages = 0;
    for (const THelpTopic& topic : file.Topics()) {
        if (++pages > 8)
            break;
        CheckPage(THelpMarkup::TopicHtml(topic, file, THelpMarkup::TTarget::Window), true);
        CheckPage(THelpMarkup::TopicHtml(topic, file, THelpMarkup::TTarget::Popup), false);
    }
    const std::size_t split = text.size() < 64 ? text.size() : 64;
    CheckPage(THelpMarkup::MessageHtml(text.substr(0, split), text.substr(split, 512)), false);
    CheckEntities(THelpMarkup::Escape(text.substr(0, 4096)));
    return 0;
}
