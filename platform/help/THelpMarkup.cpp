#include "platform/help/THelpMarkup.h"

#include "platform/help/HelpText.h"

#include "platform/help/THelpFile.h"

#include <vector>

namespace peglore {

namespace {

using helptext::IsBlank;
using helptext::Trim;

void AppendEscaped(std::string& out, char c)
{
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    case '\'': out += "&#39;"; break;
    default: out.push_back(static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c);
    }
}

class TInlineWriter {
public:
    TInlineWriter(const THelpFile& file, THelpMarkup::TTarget target) : FIle(file), FTarget(target) {}

    // Appends the inline markup of TEXT to OUT. Bold is closed at the end, so
    // every block's tags balance.
    void Write(std::string& out, std::string_view text) const
    {
        bool bold = false;
        std::size_t i = 0;
        while (i < text.size()) {
            const char c = text[i];
            if (c == '\\' && i + 1 < text.size()) {
                AppendEscaped(out, text[i + 1]);
                i += 2;
            } else if (c == '*' && text.substr(i, 2) == "**") {
                out += bold ? "</b>" : "<b>";
                bold = !bold;
                i += 2;
            } else if (c == '[' && text.substr(i, 2) == "[[" && WriteLink(out, text, i)) {
                // WriteLink moved I past the link.
            } else {
                AppendEscaped(out, c);
                ++i;
            }
        }
        if (bold)
            out += "</b>";
    }

private:
    // A link "[[N]]" or "[[N|text]]" at I; false, leaving I, when there is
    // none.
    bool WriteLink(std::string& out, std::string_view text, std::size_t& i) const
    {
        const std::size_t close = text.find("]]", i + 2);
        if (close == std::string_view::npos)
            return false;
        const std::string_view inside = text.substr(i + 2, close - i - 2);
        const std::size_t bar = inside.find('|');
        const int context = helptext::ParseContext(Trim(inside.substr(0, bar)));
        if (context == 0)
            return false;
        const THelpTopic* topic = FIle.Find(context);
        std::string_view label = bar == std::string_view::npos ? std::string_view() : Trim(inside.substr(bar + 1));
        if (label.empty())
            label = topic != nullptr ? std::string_view(topic->Title) : std::string_view();
        const bool linked = topic != nullptr && FTarget == THelpMarkup::TTarget::Window;
        if (linked)
            out += "<a href=\"topic:" + std::to_string(context) + "\">";
        if (label.empty())
            out += "topic " + std::to_string(context);
        for (const char c : label)
            AppendEscaped(out, c);
        if (linked)
            out += "</a>";
        i = close + 2;
        return true;
    }

    const THelpFile& FIle;
    THelpMarkup::TTarget FTarget;
};

}  // namespace

std::string THelpMarkup::Escape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        AppendEscaped(out, c);
    return out;
}

std::string THelpMarkup::MessageHtml(std::string_view title, std::string_view text)
{
    return "<html><body><h2>" + Escape(title) + "</h2><p>" + Escape(text) + "</p></body></html>";
}

std::string THelpMarkup::TopicHtml(const THelpTopic& topic, const THelpFile& file, TTarget target)
{
    const TInlineWriter writer(file, target);
    std::string out = "<html><body><h2>" + Escape(topic.Title) + "</h2>";

    enum class TBlock { None, Paragraph, Item };
    TBlock block = TBlock::None;
    std::string pending;  // the text of the open paragraph or list item

    const auto flushText = [&] {
        if (block == TBlock::Paragraph) {
            out += "<p>";
            writer.Write(out, pending);
            out += "</p>";
        } else if (block == TBlock::Item) {
            out += "<li>";
            writer.Write(out, pending);
            out += "</li>";
        }
        pending.clear();
    };
    const auto closeBlock = [&] {
        flushText();
        if (block == TBlock::Item)
            out += "</ul>";
        block = TBlock::None;
    };

    const std::string_view body = topic.Body;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = body.find('\n', start);
        if (end == std::string_view::npos)
            end = body.size();
        const std::string_view line = body.substr(start, end - start);
        start = end + 1;
        const std::string_view trimmed = Trim(line);

        if (trimmed.empty()) {
            closeBlock();
        } else if (trimmed.substr(0, 2) == "! " || trimmed == "!") {
            closeBlock();
            out += "<h3>";
            writer.Write(out, Trim(trimmed.substr(1)));
            out += "</h3>";
        } else if (trimmed.substr(0, 2) == "* " || trimmed == "*") {
            if (block == TBlock::Item) {
                flushText();
            } else {
                closeBlock();
                out += "<ul>";
            }
            block = TBlock::Item;
            pending = Trim(trimmed.substr(1));
        } else if (block == TBlock::Item && IsBlank(line.front())) {
            pending += ' ';
            pending += trimmed;
        } else {
            if (block != TBlock::Paragraph) {
                closeBlock();
                block = TBlock::Paragraph;
            } else {
                pending += ' ';
            }
            pending += trimmed;
        }
    }
    closeBlock();
    out += "</body></html>";
    return out;
}

}  // namespace peglore
