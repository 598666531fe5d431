#include "tests/platform/versioninfo/VersionImageBuilder.h"

#include <algorithm>
#include <stdexcept>

namespace VersionImages {

namespace {

void Pad(TBytes& out, std::size_t alignment)
{
    out.resize((out.size() + alignment - 1) / alignment * alignment, 0);
}

void AppendU16(TBytes& out, std::uint16_t value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void AppendU32(TBytes& out, std::uint32_t value)
{
    AppendU16(out, std::uint16_t(value));
    AppendU16(out, std::uint16_t(value >> 16));
}

// UTF-8 to UTF-16 code units; the test texts are valid UTF-8.
std::vector<std::uint16_t> Utf16(const std::string& text)
{
    std::vector<std::uint16_t> units;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = std::uint8_t(text[i]);
        std::uint32_t code = byte;
        int extra = 0;
        if (byte >= 0xF0) {
            code = byte & 0x07;
            extra = 3;
        } else if (byte >= 0xE0) {
            code = byte & 0x0F;
            extra = 2;
        } else if (byte >= 0xC0) {
            code = byte & 0x1F;
            extra = 1;
        }
        ++i;
        for (int k = 0; k < extra && i < text.size(); ++k, ++i)
            code = code << 6 | (std::uint8_t(text[i]) & 0x3F);
        if (code >= 0x10000) {
            code -= 0x10000;
            units.push_back(std::uint16_t(0xD800 + (code >> 10)));
            units.push_back(std::uint16_t(0xDC00 + (code & 0x3FF)));
        } else {
            units.push_back(std::uint16_t(code));
        }
    }
    return units;
}

void Encode(const TNode& node, bool unicode, TBytes& out)
{
    const std::size_t start = out.size();
    AppendU16(out, 0);  // length, patched below
    std::uint16_t valueLength = 0;
    if (node.Text)
        valueLength = std::uint16_t(unicode ? Utf16(*node.Text).size() + 1 : node.Text->size() + 1);
    else
        valueLength = std::uint16_t(node.Binary.size());
    AppendU16(out, node.ValueLengthOverride.value_or(valueLength));
    if (unicode)
        AppendU16(out, node.Text ? 1 : 0);

    if (unicode) {
        for (std::uint16_t unit : Utf16(node.Key))
            AppendU16(out, unit);
        if (!node.KeyUnterminated)
            AppendU16(out, 0);
    } else {
        out.insert(out.end(), node.Key.begin(), node.Key.end());
        if (!node.KeyUnterminated)
            out.push_back(0);
    }
    if (node.KeyUnterminated) {
        // Nothing else may follow, or it would end the key.
        PutU16(out, start, node.LengthOverride.value_or(std::uint16_t(out.size() - start)));
        return;
    }
    Pad(out, 4);

    if (node.Text) {
        if (unicode) {
            for (std::uint16_t unit : Utf16(*node.Text))
                AppendU16(out, unit);
            AppendU16(out, 0);
        } else {
            out.insert(out.end(), node.Text->begin(), node.Text->end());
            out.push_back(0);
        }
    } else {
        out.insert(out.end(), node.Binary.begin(), node.Binary.end());
    }
    for (const TNode& child : node.Children) {
        Pad(out, 4);
        Encode(child, unicode, out);
    }
    PutU16(out, start, node.LengthOverride.value_or(std::uint16_t(out.size() - start)));
}

}  // namespace

void PutU16(TBytes& bytes, std::size_t at, std::uint16_t value)
{
    if (at + 2 > bytes.size())
        throw std::out_of_range("PutU16 past the end");
    bytes[at] = std::uint8_t(value);
    bytes[at + 1] = std::uint8_t(value >> 8);
}

void PutU32(TBytes& bytes, std::size_t at, std::uint32_t value)
{
    PutU16(bytes, at, std::uint16_t(value));
    PutU16(bytes, at + 2, std::uint16_t(value >> 16));
}

std::uint16_t GetU16(const TBytes& bytes, std::size_t at)
{
    return std::uint16_t(bytes.at(at) | bytes.at(at + 1) << 8);
}

std::uint32_t GetU32(const TBytes& bytes, std::size_t at)
{
    return GetU16(bytes, at) | std::uint32_t(GetU16(bytes, at + 2)) << 16;
}

TBytes FixedInfoBytes(const TFixedInfo& info)
{
    TBytes out;
    for (std::uint32_t field : {0xFEEF04BDu, 0x00010000u, info.FileVersionMS, info.FileVersionLS, info.ProductVersionMS,
                                info.ProductVersionLS, 0x3Fu, 0u, info.FileOS, info.FileType, info.FileSubtype, 0u, 0u})
        AppendU32(out, field);
    return out;
}

TNode StringTable(const std::string& key, const TStrings& strings)
{
    TNode table{key, {}, {}, {}, {}, {}, false};
    for (const auto& [name, value] : strings)
        table.Children.push_back(TNode{name, value, {}, {}, {}, {}, false});
    return table;
}

TNode VersionRoot(const TFixedInfo& info, std::vector<TNode> tables, const std::vector<std::uint32_t>& translations)
{
    TNode root{"VS_VERSION_INFO", {}, FixedInfoBytes(info), {}, {}, {}, false};
    root.Children.push_back(TNode{"StringFileInfo", {}, {}, std::move(tables), {}, {}, false});
    if (!translations.empty()) {
        TNode translation{"Translation", {}, {}, {}, {}, {}, false};
        for (std::uint32_t pair : translations)
            AppendU32(translation.Binary, pair);
        root.Children.push_back(TNode{"VarFileInfo", {}, {}, {translation}, {}, {}, false});
    }
    return root;
}

TNode SimpleRoot(const TFixedInfo& info, const TStrings& strings)
{
    return VersionRoot(info, {StringTable("040904E4", strings)});
}

TBytes EncodeUnicode(const TNode& root)
{
    TBytes out;
    Encode(root, true, out);
    return out;
}

TBytes EncodeAnsi(const TNode& root)
{
    TBytes out;
    Encode(root, false, out);
    return out;
}

TBytes BuildPe(TPeKind kind, const std::vector<TPeResource>& resources, TPeLayout* layoutOut)
{
    const bool plus = kind == TPeKind::Pe32Plus;
    TPeLayout layout;
    const std::uint16_t optionalSize = plus ? 240 : 224;
    const std::uint32_t sectionRva = 0x1000;

    // The resource section first, so its size is known for the headers.
    TBytes section;
    auto directory = [&section](std::uint16_t idEntries) {
        const std::size_t at = section.size();
        section.resize(at + 16, 0);
        PutU16(section, at + 14, idEntries);
        return at;
    };
    auto entry = [&section](std::uint32_t id, std::uint32_t offset) {
        AppendU32(section, id);
        AppendU32(section, offset);
    };
    const std::size_t root = directory(1);
    entry(16, 0x80000018);
    const std::size_t names = directory(1);
    entry(1, 0x80000030);
    const std::size_t languages = directory(std::uint16_t(resources.size()));
    const std::size_t firstData = languages + 16 + 8 * resources.size();
    for (std::size_t i = 0; i < resources.size(); ++i)
        entry(resources[i].Language, std::uint32_t(firstData + 16 * i));
    std::vector<std::size_t> dataEntries, blocks;
    for (std::size_t i = 0; i < resources.size(); ++i) {
        dataEntries.push_back(section.size());
        section.resize(section.size() + 16, 0);
    }
    for (std::size_t i = 0; i < resources.size(); ++i) {
        Pad(section, 8);
        blocks.push_back(section.size());
        PutU32(section, dataEntries[i], std::uint32_t(sectionRva + section.size()));
        PutU32(section, dataEntries[i] + 4, std::uint32_t(resources[i].Block.size()));
        PutU32(section, dataEntries[i] + 8, 1252);
        section.insert(section.end(), resources[i].Block.begin(), resources[i].Block.end());
    }
    const std::uint32_t virtualSize = std::uint32_t(section.size());
    Pad(section, 0x200);

    TBytes image(0x40, 0);
    image[0] = 'M';
    image[1] = 'Z';
    PutU32(image, 0x3C, 0x40);
    layout.PeHeader = image.size();
    image.insert(image.end(), {'P', 'E', 0, 0});
    AppendU16(image, plus ? 0x8664 : 0x014C);  // machine
    AppendU16(image, 1);  // sections
    AppendU32(image, 0);  // time stamp
    AppendU32(image, 0);
    AppendU32(image, 0);
    AppendU16(image, optionalSize);
    AppendU16(image, plus ? 0x0022 : 0x0102);  // executable image

    layout.OptionalHeader = image.size();
    image.resize(image.size() + optionalSize, 0);
    const std::size_t opt = layout.OptionalHeader;
    PutU16(image, opt, plus ? 0x20B : 0x10B);
    PutU32(image, opt + 32, 0x1000);  // section alignment
    PutU32(image, opt + 36, 0x200);  // file alignment
    PutU16(image, opt + 48, 4);  // subsystem version
    PutU32(image, opt + 56, sectionRva + ((virtualSize + 0xFFF) & ~0xFFFu));  // image size
    PutU32(image, opt + 60, 0x200);  // header size
    PutU16(image, opt + 68, 2);  // windowing subsystem
    layout.RvaCountField = opt + (plus ? 108 : 92);
    PutU32(image, layout.RvaCountField, 16);
    layout.ResourceDirectoryField = layout.RvaCountField + 4 + 2 * 8;
    PutU32(image, layout.ResourceDirectoryField, sectionRva);
    PutU32(image, layout.ResourceDirectoryField + 4, virtualSize);

    layout.SectionHeader = image.size();
    image.insert(image.end(), {'.', 'r', 's', 'r', 'c', 0, 0, 0});
    AppendU32(image, virtualSize);
    AppendU32(image, sectionRva);
    AppendU32(image, std::uint32_t(section.size()));
    AppendU32(image, 0x200);  // raw data pointer
    image.resize(image.size() + 12, 0);
    AppendU32(image, 0x40000040);  // initialised, readable data
    if (image.size() > 0x200)
        throw std::logic_error("PE headers outgrew their space");
    image.resize(0x200, 0);

    layout.Section = image.size();
    layout.SectionRva = sectionRva;
    layout.RootDirectory = layout.Section + root;
    layout.NameDirectory = layout.Section + names;
    layout.LanguageDirectory = layout.Section + languages;
    for (std::size_t at : dataEntries)
        layout.DataEntries.push_back(layout.Section + at);
    for (std::size_t at : blocks)
        layout.Blocks.push_back(layout.Section + at);
    image.insert(image.end(), section.begin(), section.end());
    if (layoutOut)
        *layoutOut = layout;
    return image;
}

TBytes BuildNe(const TBytes& block, TNeLayout* layoutOut)
{
    TNeLayout layout;
    layout.AlignShift = 4;
    const std::uint16_t unit = 1 << layout.AlignShift;

    TBytes image(0x40, 0);
    image[0] = 'M';
    image[1] = 'Z';
    PutU32(image, 0x3C, 0x40);
    layout.NeHeader = image.size();
    image.resize(image.size() + 0x40, 0);
    const std::size_t ne = layout.NeHeader;
    image[ne] = 'N';
    image[ne + 1] = 'E';
    image[ne + 2] = 5;  // linker version
    PutU16(image, ne + 0x0C, 0x0302);  // DLL-style flags: multiple data, protected mode
    PutU16(image, ne + 0x22, 0x40);  // segment table (empty)
    PutU16(image, ne + 0x24, 0x40);  // resource table
    image[ne + 0x36] = 2;  // for Windows

    layout.ResourceTable = image.size();
    AppendU16(image, layout.AlignShift);
    // An icon type first, so the reader has to step over one type.
    AppendU16(image, 0x8003);
    AppendU16(image, 1);
    AppendU32(image, 0);
    const std::size_t iconName = image.size();
    image.resize(image.size() + 12, 0);
    layout.VersionType = image.size();
    AppendU16(image, 0x8010);
    AppendU16(image, 1);
    AppendU32(image, 0);
    layout.VersionName = image.size();
    image.resize(image.size() + 12, 0);
    layout.TypeListEnd = image.size();
    AppendU16(image, 0);
    image.push_back(0);  // no resource names

    const std::size_t residentNames = image.size() - ne;
    PutU16(image, ne + 0x26, std::uint16_t(residentNames));
    image.push_back(4);
    image.insert(image.end(), {'T', 'E', 'S', 'T'});
    AppendU16(image, 0);
    image.push_back(0);
    PutU16(image, ne + 0x04, std::uint16_t(image.size() - ne));  // entry table (empty)
    image.push_back(0);

    // A small icon stand-in, then the version block, each on the alignment unit.
    Pad(image, unit);
    PutU16(image, iconName, std::uint16_t(image.size() >> layout.AlignShift));
    PutU16(image, iconName + 2, 1);
    PutU16(image, iconName + 4, 0x1C30);
    PutU16(image, iconName + 6, 0x8001);
    image.resize(image.size() + unit, 0x11);

    layout.Block = image.size();
    PutU16(image, layout.VersionName, std::uint16_t(image.size() >> layout.AlignShift));
    PutU16(image, layout.VersionName + 2, std::uint16_t((block.size() + unit - 1) >> layout.AlignShift));
    PutU16(image, layout.VersionName + 4, 0x0C30);
    PutU16(image, layout.VersionName + 6, 0x8001);
    image.insert(image.end(), block.begin(), block.end());
    Pad(image, unit);
    if (layoutOut)
        *layoutOut = layout;
    return image;
}

}  // namespace VersionImages
