#include "platform/versioninfo/TVersionBlock.h"

#include "platform/versioninfo/LittleEndian.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace peglore {

namespace {

constexpr char TreeSignature[4] = {'P', 'V', 'I', '8'};
constexpr std::uint64_t TreeHeaderSize = 16;  // length, value length, key length, type, spare
constexpr std::uint16_t TypeBinary = 0;
constexpr std::uint16_t TypeText = 1;
// Far above what a 64 KiB block can turn into; guards lookups in a buffer
// that was not made by us.
constexpr std::uint32_t MaxTree = 1u << 20;

struct TNode {
    std::string Key;
    std::string Value;
    bool Text = false;
    std::vector<TNode> Children;
};

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

bool SameKey(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

void AppendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | code >> 6);
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | code >> 12);
        out += char(0x80 | (code >> 6 & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | code >> 18);
        out += char(0x80 | (code >> 12 & 0x3F));
        out += char(0x80 | (code >> 6 & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

// UTF-16 text in [AT, END) up to its zero, as UTF-8; a lone surrogate
// becomes U+FFFD. TERMINATED tells whether the zero was found, NEXT is just
// past it (or END).
std::string Utf16ToUtf8(const std::vector<std::uint8_t>& raw, std::uint64_t at, std::uint64_t end, bool& terminated,
                        std::uint64_t& next)
{
    std::string out;
    terminated = false;
    while (at + 2 <= end) {
        std::uint32_t unit = LoadU16(raw, at);
        at += 2;
        if (unit == 0) {
            terminated = true;
            break;
        }
        if (unit >= 0xD800 && unit < 0xDC00 && at + 2 <= end) {
            const std::uint32_t low = LoadU16(raw, at);
            if (low >= 0xDC00 && low < 0xE000) {
                at += 2;
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            }
        }
        AppendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
    }
    next = terminated ? at : end;
    return out;
}

std::string AnsiText(const std::vector<std::uint8_t>& raw, std::uint64_t at, std::uint64_t end, bool& terminated,
                     std::uint64_t& next)
{
    std::string out;
    terminated = false;
    while (at < end) {
        const char c = char(raw[at++]);
        if (c == '\0') {
            terminated = true;
            break;
        }
        out += c;
    }
    next = terminated ? at : end;
    return out;
}

class TParser {
public:
    TParser(const std::vector<std::uint8_t>& raw, TVersionBlockFormat format)
        : FRaw(raw), FHeaderSize(format == TVersionBlockFormat::Unicode ? 6 : 4),
          FUnicode(format == TVersionBlockFormat::Unicode)
    {
    }

    // Parses the node at AT, which must end by LIMIT. Returns the node's
    // length field, or 0 when the header is unusable and no sibling can be
    // found after it; NODEOK tells whether the node itself is well-formed.
    std::uint64_t Parse(std::uint64_t at, std::uint64_t limit, int depth, bool inStringFileInfo, TNode& node,
                        bool& nodeOk) const
    {
        nodeOk = false;
        if (at > limit || limit - at < FHeaderSize)
            return 0;
        const std::uint64_t length = LoadU16(FRaw, at);
        if (length < FHeaderSize || length > limit - at)
            return 0;
        const std::uint64_t end = at + length;
        const std::uint64_t valueField = LoadU16(FRaw, at + 2);

        bool terminated = false;
        std::uint64_t keyEnd = 0;
        node.Key = FUnicode ? Utf16ToUtf8(FRaw, at + FHeaderSize, end, terminated, keyEnd)
                            : AnsiText(FRaw, at + FHeaderSize, end, terminated, keyEnd);
        if (!terminated)
            return length;

        node.Text = depth == 3 && inStringFileInfo;
        const std::uint64_t valueAt = std::min(AlignUp4(keyEnd), end);
        // A text value's length counts UTF-16 units in a Unicode block.
        const std::uint64_t valueSize = std::min(node.Text && FUnicode ? valueField * 2 : valueField, end - valueAt);
        if (!node.Text) {
            node.Value.assign(FRaw.begin() + std::ptrdiff_t(valueAt),
                              FRaw.begin() + std::ptrdiff_t(valueAt + valueSize));
        } else {
            std::uint64_t ignored = 0;
            node.Value = FUnicode ? Utf16ToUtf8(FRaw, valueAt, valueAt + valueSize, terminated, ignored)
                                  : AnsiText(FRaw, valueAt, valueAt + valueSize, terminated, ignored);
        }

        const bool childrenInStringFileInfo = depth == 1 ? SameKey(node.Key, "StringFileInfo") : inStringFileInfo;
        std::uint64_t child = AlignUp4(valueAt + valueSize);
        while (depth < TVersionBlock::MaxDepth && child < end) {
            TNode next;
            bool childOk = false;
            const std::uint64_t childLength = Parse(child, end, depth + 1, childrenInStringFileInfo, next, childOk);
            if (childLength == 0)
                break;
            if (childOk)
                node.Children.push_back(std::move(next));
            child = AlignUp4(child + childLength);
        }
        nodeOk = true;
        return length;
    }

private:
    const std::vector<std::uint8_t>& FRaw;
    const std::uint64_t FHeaderSize;
    const bool FUnicode;
};

void PutU16(std::vector<std::uint8_t>& out, std::uint64_t at, std::uint16_t value)
{
    out[at] = std::uint8_t(value);
    out[at + 1] = std::uint8_t(value >> 8);
}

void PutU32(std::vector<std::uint8_t>& out, std::uint64_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = std::uint8_t(value >> (8 * i));
}

void PadTo4(std::vector<std::uint8_t>& out)
{
    out.resize(AlignUp4(out.size()), 0);
}

void Append(std::vector<std::uint8_t>& out, const std::string& bytes)
{
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// One node of our own copy, at a 4-byte aligned offset of OUT.
void WriteNode(const TNode& node, std::vector<std::uint8_t>& out)
{
    const std::uint64_t start = out.size();
    out.resize(start + TreeHeaderSize, 0);
    const std::uint64_t valueLength = node.Value.size() + (node.Text ? 1 : 0);
    PutU32(out, start + 4, std::uint32_t(valueLength));
    PutU32(out, start + 8, std::uint32_t(node.Key.size() + 1));
    PutU16(out, start + 12, node.Text ? TypeText : TypeBinary);
    Append(out, node.Key);
    out.push_back(0);
    PadTo4(out);
    Append(out, node.Value);
    if (node.Text)
        out.push_back(0);
    for (const TNode& child : node.Children) {
        PadTo4(out);
        WriteNode(child, out);
    }
    PutU32(out, start, std::uint32_t(out.size() - start));
}

std::uint32_t ReadU32(const std::uint8_t* at)
{
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24;
}

// Where a node of our copy keeps its parts, checked against the tree's end.
struct TTreeNode {
    std::uint64_t Start = 0;
    std::uint64_t End = 0;
    std::string_view Key;
    std::uint64_t ValueAt = 0;
    std::uint32_t ValueLength = 0;
    std::uint64_t ChildrenAt = 0;
};

bool ReadTreeNode(const std::uint8_t* tree, std::uint64_t treeLength, std::uint64_t at, std::uint64_t limit,
                  TTreeNode& node)
{
    if (at > limit || limit - at < TreeHeaderSize || limit > treeLength)
        return false;
    const std::uint64_t length = ReadU32(tree + at);
    const std::uint64_t valueLength = ReadU32(tree + at + 4);
    const std::uint64_t keyLength = ReadU32(tree + at + 8);
    if (length < TreeHeaderSize || length > limit - at || keyLength == 0 || keyLength > length - TreeHeaderSize)
        return false;
    node.Start = at;
    node.End = at + length;
    node.Key = std::string_view(reinterpret_cast<const char*>(tree + at + TreeHeaderSize), keyLength - 1);
    node.ValueAt = AlignUp4(at + TreeHeaderSize + keyLength);
    if (node.ValueAt > node.End || valueLength > node.End - node.ValueAt)
        return false;
    node.ValueLength = std::uint32_t(valueLength);
    node.ChildrenAt = AlignUp4(node.ValueAt + valueLength);
    return true;
}

}  // namespace

TVersionBlock::TVersionBlock(const std::vector<std::uint8_t>& resource, TVersionBlockFormat format)
{
    TNode root;
    bool rootOk = false;
    const std::uint64_t length = TParser(resource, format).Parse(0, resource.size(), 0, false, root, rootOk);
    if (!rootOk)
        return;
    std::vector<std::uint8_t> buffer(resource.begin(), resource.begin() + std::ptrdiff_t(length));
    PadTo4(buffer);
    buffer.insert(buffer.end(), std::begin(TreeSignature), std::end(TreeSignature));
    const std::uint64_t lengthField = buffer.size();
    buffer.resize(buffer.size() + 4, 0);
    const std::uint64_t treeStart = buffer.size();
    WriteNode(root, buffer);
    PutU32(buffer, lengthField, std::uint32_t(buffer.size() - treeStart));
    FBuffer = std::move(buffer);
}

bool TVersionBlock::Query(const std::uint8_t* buffer, std::string_view path, const std::uint8_t*& value,
                          std::uint32_t& length)
{
    if (!buffer)
        return false;
    const std::uint64_t rootLength = std::uint64_t(buffer[0]) | std::uint64_t(buffer[1]) << 8;
    if (rootLength < 4)
        return false;
    const std::uint64_t signatureAt = AlignUp4(rootLength);
    if (std::memcmp(buffer + signatureAt, TreeSignature, sizeof TreeSignature) != 0)
        return false;
    const std::uint32_t treeLength = ReadU32(buffer + signatureAt + 4);
    if (treeLength > MaxTree)
        return false;
    const std::uint8_t* tree = buffer + signatureAt + 8;

    TTreeNode node;
    if (!ReadTreeNode(tree, treeLength, 0, treeLength, node))
        return false;
    while (!path.empty()) {
        const std::size_t separator = path.find('\\');
        const std::string_view key = path.substr(0, separator);
        path = separator == std::string_view::npos ? std::string_view() : path.substr(separator + 1);
        if (key.empty())
            continue;  // "\" alone, a leading "\" or a doubled one
        bool found = false;
        for (std::uint64_t at = node.ChildrenAt; at < node.End && !found;) {
            TTreeNode child;
            if (!ReadTreeNode(tree, treeLength, at, node.End, child))
                return false;
            if (SameKey(child.Key, key)) {
                node = child;
                found = true;
            }
            at = AlignUp4(child.End);
        }
        if (!found)
            return false;
    }
    value = tree + node.ValueAt;
    length = node.ValueLength;
    return true;
}

}  // namespace peglore
