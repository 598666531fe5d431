#include "platform/media/TSoundFontSubset.h"

#include "platform/files/TReadOnlyFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <string_view>

namespace peglore {

namespace {

// More preset, instrument and sample headers than any soundfont holds (the
// largest General MIDI ones have a few megabytes); a file claiming more is
// read whole by the synthesizer instead.
constexpr std::int64_t MaxHeaderBytes = std::int64_t(64) << 20;

std::uint16_t Get16(const std::uint8_t* p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}

std::uint32_t Get32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

void Set16(std::uint8_t* p, std::size_t value)
{
    p[0] = std::uint8_t(value);
    p[1] = std::uint8_t(value >> 8);
}

void Append32(std::vector<std::uint8_t>& out, std::uint64_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(std::uint8_t(value >> shift));
}

void AppendId(std::vector<std::uint8_t>& out, std::string_view id)
{
    out.insert(out.end(), id.begin(), id.end());
}

// The nine header tables of the hydra, in the order the file must hold them.
enum TTableIndex { Phdr, Pbag, Pmod, Pgen, Inst, Ibag, Imod, Igen, Shdr, TableCount };

struct TTableShape {
    std::string_view Id;
    std::size_t RecordSize;
};

constexpr std::array<TTableShape, TableCount> Shapes{{{"phdr", 38},
                                                      {"pbag", 4},
                                                      {"pmod", 10},
                                                      {"pgen", 4},
                                                      {"inst", 22},
                                                      {"ibag", 4},
                                                      {"imod", 10},
                                                      {"igen", 4},
                                                      {"shdr", 46}}};

// One table as read: its records, the last being the terminal one.
struct TTable {
    const std::uint8_t* Records = nullptr;
    std::size_t Count = 0;
    std::size_t RecordSize = 0;

    const std::uint8_t* At(std::size_t index) const { return Records + index * RecordSize; }
    // Records before the terminal one.
    std::size_t Entries() const { return Count - 1; }
};

// Presets and instruments are alike: headers pointing at zones (bags),
// each zone at its generators and modulators, one generator of a zone
// naming the header of the level below.
struct TLevel {
    TTableIndex Headers, Bags, Mods, Gens;
    std::size_t BagField;  // where a header holds its first zone
    std::uint16_t LinkOperator;  // the generator naming the level below
    TTableIndex Below;
};

// Sample types that name a partner in the sample link.
constexpr unsigned RightSample = 2, LeftSample = 4, LinkedSample = 8;

constexpr TLevel PresetLevel{Phdr, Pbag, Pmod, Pgen, 24, 41, Inst};
constexpr TLevel InstrumentLevel{Inst, Ibag, Imod, Igen, 20, 53, Shdr};

using THydra = std::array<TTable, TableCount>;

// The zones of header `index`, checked against the tables: false when any
// index points backwards or outside its table.
bool ZonesOf(const THydra& hydra, const TLevel& level, std::size_t index, std::size_t& first, std::size_t& end)
{
    const TTable& headers = hydra[level.Headers];
    first = Get16(headers.At(index) + level.BagField);
    end = Get16(headers.At(index + 1) + level.BagField);
    if (first > end || end > hydra[level.Bags].Entries())
        return false;
    const TTable& bags = hydra[level.Bags];
    for (std::size_t bag = first; bag < end; ++bag) {
        const std::size_t gen = Get16(bags.At(bag)), genEnd = Get16(bags.At(bag + 1));
        const std::size_t mod = Get16(bags.At(bag) + 2), modEnd = Get16(bags.At(bag + 1) + 2);
        if (gen > genEnd || genEnd > hydra[level.Gens].Entries() || mod > modEnd ||
            modEnd > hydra[level.Mods].Entries())
            return false;
    }
    return true;
}

// Adds the headers of the level below that the given headers' zones name.
bool CollectBelow(const THydra& hydra, const TLevel& level, const std::vector<std::size_t>& headers,
                  std::set<std::size_t>& below)
{
    const TTable& bags = hydra[level.Bags];
    const TTable& gens = hydra[level.Gens];
    for (const std::size_t header : headers) {
        std::size_t first = 0, end = 0;
        if (!ZonesOf(hydra, level, header, first, end))
            return false;
        for (std::size_t gen = Get16(bags.At(first)); gen < Get16(bags.At(end)); ++gen)
            if (Get16(gens.At(gen)) == level.LinkOperator) {
                const std::size_t target = Get16(gens.At(gen) + 2);
                if (target >= hydra[level.Below].Entries())
                    return false;
                below.insert(target);
            }
    }
    return true;
}

struct TLevelTables {
    std::vector<std::uint8_t> Headers, Bags, Mods, Gens;
};

void AppendRecord(std::vector<std::uint8_t>& out, const TTable& table, std::size_t index)
{
    out.insert(out.end(), table.At(index), table.At(index) + table.RecordSize);
}

// The given headers with their zones, renumbered; the generator naming the
// level below renumbered through `renumber`. Headers were checked by
// CollectBelow.
TLevelTables CopyLevel(const THydra& hydra, const TLevel& level, const std::vector<std::size_t>& headers,
                       const std::map<std::size_t, std::size_t>& renumber)
{
    const TTable& headerTable = hydra[level.Headers];
    const TTable& bags = hydra[level.Bags];
    const TTable& mods = hydra[level.Mods];
    const TTable& gens = hydra[level.Gens];
    TLevelTables out;
    std::size_t bagCount = 0, modCount = 0, genCount = 0;
    const auto appendBag = [&] {
        out.Bags.resize(out.Bags.size() + 4);
        Set16(out.Bags.data() + out.Bags.size() - 4, genCount);
        Set16(out.Bags.data() + out.Bags.size() - 2, modCount);
        ++bagCount;
    };
    const auto appendHeader = [&](std::size_t index) {
        AppendRecord(out.Headers, headerTable, index);
        Set16(out.Headers.data() + out.Headers.size() - headerTable.RecordSize + level.BagField, bagCount);
    };
    for (const std::size_t header : headers) {
        appendHeader(header);
        const std::size_t first = Get16(headerTable.At(header) + level.BagField);
        const std::size_t end = Get16(headerTable.At(header + 1) + level.BagField);
        for (std::size_t bag = first; bag < end; ++bag) {
            appendBag();
            for (std::size_t mod = Get16(bags.At(bag) + 2); mod < Get16(bags.At(bag + 1) + 2); ++mod, ++modCount)
                AppendRecord(out.Mods, mods, mod);
            for (std::size_t gen = Get16(bags.At(bag)); gen < Get16(bags.At(bag + 1)); ++gen, ++genCount) {
                AppendRecord(out.Gens, gens, gen);
                if (Get16(gens.At(gen)) == level.LinkOperator)
                    Set16(out.Gens.data() + out.Gens.size() - 2, renumber.at(Get16(gens.At(gen) + 2)));
            }
        }
    }
    // The terminal records: the originals', pointing past the last.
    appendHeader(headerTable.Entries());
    appendBag();
    AppendRecord(out.Mods, mods, mods.Entries());
    AppendRecord(out.Gens, gens, gens.Entries());
    return out;
}

std::map<std::size_t, std::size_t> Renumbering(const std::set<std::size_t>& kept)
{
    std::map<std::size_t, std::size_t> result;
    for (const std::size_t old : kept)
        result.emplace(old, result.size());
    return result;
}

void AppendChunk(std::vector<std::uint8_t>& out, std::string_view id, const std::vector<std::uint8_t>& data)
{
    AppendId(out, id);
    Append32(out, data.size());
    out.insert(out.end(), data.begin(), data.end());
}

// The new hydra as a pdta list, or nothing when the original's tables do
// not hold together or none of the presets is there.
std::optional<std::vector<std::uint8_t>> SubsetHydra(const std::vector<std::uint8_t>& body,
                                                     const std::set<TSoundFontSubset::TPresetNumber>& presets,
                                                     int& presetCount)
{
    THydra hydra;
    std::size_t at = 0;
    for (std::size_t table = 0; table < TableCount; ++table) {
        if (body.size() - at < 8 || std::string_view(reinterpret_cast<const char*>(&body[at]), 4) != Shapes[table].Id)
            return std::nullopt;
        const std::size_t size = Get32(&body[at + 4]);
        at += 8;
        if (size > body.size() - at || size % Shapes[table].RecordSize != 0 || size == 0)
            return std::nullopt;
        hydra[table] = TTable{&body[at], size / Shapes[table].RecordSize, Shapes[table].RecordSize};
        at += size;
    }

    std::vector<std::size_t> keptPresets;
    for (std::size_t preset = 0; preset < hydra[Phdr].Entries(); ++preset) {
        const std::uint8_t* header = hydra[Phdr].At(preset);
        if (presets.count({Get16(header + 22), Get16(header + 20)}))
            keptPresets.push_back(preset);
    }
    std::set<std::size_t> instruments, samples;
    if (keptPresets.empty() || !CollectBelow(hydra, PresetLevel, keptPresets, instruments))
        return std::nullopt;
    const std::vector<std::size_t> keptInstruments(instruments.begin(), instruments.end());
    if (!CollectBelow(hydra, InstrumentLevel, keptInstruments, samples))
        return std::nullopt;
    // Both halves of a stereo pair, so that the link still names its partner.
    for (const std::size_t sample : std::set<std::size_t>(samples)) {
        const std::size_t link = Get16(hydra[Shdr].At(sample) + 42);
        const unsigned type = Get16(hydra[Shdr].At(sample) + 44);
        if ((type & (RightSample | LeftSample | LinkedSample)) && link < hydra[Shdr].Entries())
            samples.insert(link);
    }

    const TLevelTables presetTables = CopyLevel(hydra, PresetLevel, keptPresets, Renumbering(instruments));
    const std::map<std::size_t, std::size_t> sampleNumbers = Renumbering(samples);
    const TLevelTables instrumentTables = CopyLevel(hydra, InstrumentLevel, keptInstruments, sampleNumbers);
    std::vector<std::uint8_t> sampleHeaders;
    for (const std::size_t sample : samples) {
        AppendRecord(sampleHeaders, hydra[Shdr], sample);
        const auto link = sampleNumbers.find(Get16(hydra[Shdr].At(sample) + 42));
        // A link outside the original table stays outside the new one.
        if (link != sampleNumbers.end())
            Set16(sampleHeaders.data() + sampleHeaders.size() - 4, link->second);
    }
    AppendRecord(sampleHeaders, hydra[Shdr], hydra[Shdr].Entries());

    std::vector<std::uint8_t> list;
    AppendId(list, "LIST");
    Append32(list, 0);
    AppendId(list, "pdta");
    const std::array<const std::vector<std::uint8_t>*, TableCount> tables{
        &presetTables.Headers,  &presetTables.Bags,        &presetTables.Mods,
        &presetTables.Gens,     &instrumentTables.Headers, &instrumentTables.Bags,
        &instrumentTables.Mods, &instrumentTables.Gens,    &sampleHeaders};
    for (std::size_t table = 0; table < TableCount; ++table)
        AppendChunk(list, Shapes[table].Id, *tables[table]);
    const std::size_t listSize = list.size() - 8;
    for (int i = 0; i < 4; ++i)
        list[4 + i] = std::uint8_t(listSize >> (8 * i));
    presetCount = int(keptPresets.size());
    return list;
}

}  // namespace

std::optional<TSoundFontSubset> TSoundFontSubset::Open(const std::string& path, const std::set<TPresetNumber>& presets)
{
    auto file = std::make_unique<TReadOnlyFile>(path);
    if (!file->IsOpen())
        return std::nullopt;
    return FromSource(std::move(file), presets);
}

std::optional<TSoundFontSubset> TSoundFontSubset::FromSource(std::unique_ptr<const IByteSource> source,
                                                             const std::set<TPresetNumber>& presets)
{
    if (!source)
        return std::nullopt;
    const IByteSource& file = *source;
    TSoundFontSubset subset;
    subset.FSource = std::move(source);
    const std::int64_t fileSize = std::int64_t(std::min<std::uint64_t>(file.Size(), INT64_MAX));

    std::array<std::uint8_t, 12> header{};
    if (!file.ReadAt(0, header.data(), header.size()) || std::memcmp(header.data(), "RIFF", 4) != 0 ||
        std::memcmp(header.data() + 8, "sfbk", 4) != 0)
        return std::nullopt;

    // The three lists, in the order readers expect them.
    std::int64_t at = 12;
    std::array<std::pair<std::int64_t, std::int64_t>, 3> lists{};  // offset and length, padding included
    std::int64_t hydraSize = 0;  // the pdta list's body
    constexpr std::array<std::string_view, 3> listTypes{"INFO", "sdta", "pdta"};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        std::array<std::uint8_t, 12> list{};
        if (!file.ReadAt(std::uint64_t(at), list.data(), list.size()) || std::memcmp(list.data(), "LIST", 4) != 0 ||
            std::string_view(reinterpret_cast<const char*>(list.data() + 8), 4) != listTypes[i])
            return std::nullopt;
        const std::int64_t size = Get32(list.data() + 4);
        const std::int64_t length = 8 + size + (size & 1);
        if (size < 4 || length > fileSize - at)
            return std::nullopt;
        lists[i] = {at, length};
        hydraSize = size - 4;
        at += length;
    }

    if (hydraSize > MaxHeaderBytes)
        return std::nullopt;
    std::vector<std::uint8_t> hydra(static_cast<std::size_t>(hydraSize));
    if (!file.ReadAt(std::uint64_t(lists[2].first + 12), hydra.data(), hydra.size()))
        return std::nullopt;
    std::optional<std::vector<std::uint8_t>> pdta = SubsetHydra(hydra, presets, subset.FPresetCount);
    if (!pdta)
        return std::nullopt;

    const std::int64_t total = 12 + lists[0].second + lists[1].second + std::int64_t(pdta->size());
    if (total - 8 > std::int64_t(UINT32_MAX))
        return std::nullopt;
    std::vector<std::uint8_t> riff;
    AppendId(riff, "RIFF");
    Append32(riff, std::uint64_t(total - 8));
    AppendId(riff, "sfbk");
    const auto add = [&subset](TPart part) {
        part.Start = subset.FSize;
        if (part.FileOffset < 0)
            part.Length = std::int64_t(part.Memory.size());
        subset.FSize += part.Length;
        subset.FParts.push_back(std::move(part));
    };
    add(TPart{0, 0, -1, std::move(riff)});
    add(TPart{0, lists[0].second, lists[0].first, {}});
    add(TPart{0, lists[1].second, lists[1].first, {}});
    add(TPart{0, 0, -1, std::move(*pdta)});
    return subset;
}

bool TSoundFontSubset::Read(std::int64_t offset, void* buffer, std::int64_t count) const
{
    if (offset < 0 || count < 0 || count > FSize - offset)
        return false;
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    for (const TPart& part : FParts) {
        if (count == 0)
            break;
        if (offset >= part.Start + part.Length)
            continue;
        const std::int64_t within = offset - part.Start;
        const std::int64_t n = std::min(count, part.Length - within);
        if (part.FileOffset < 0)
            std::memcpy(bytes, part.Memory.data() + within, std::size_t(n));
        else if (!FSource->ReadAt(std::uint64_t(part.FileOffset + within), bytes, std::size_t(n)))
            return false;
        bytes += n;
        offset += n;
        count -= n;
    }
    return count == 0;
}

}  // namespace peglore
