#pragma once

#include "platform/help/THelpTopic.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace peglore {

// A help file of topics, each found by its context number.
//
// The format is a UTF-8 text file of sections, much like an INI file:
//
//     ; a comment line, anywhere
//     [topic 201]
//     title=New game
//     keywords=new game; F2; starting a game
//
//     The body: paragraphs in the markup of THelpMarkup, up to the next
//     section line.
//
// A section line is a line in single brackets: "[topic N]" (the word in any
// case) with N from 1 to 999999999; 0 is no context. Right after it come
// header lines "name=value" (names in any case: title, and keywords separated
// by ";"); the first line of another form ends the header, and a blank line
// there is dropped. Everything up to the next section line is the body. Lines
// starting with ";" are comments, also in a body.
//
// Reading is forgiving: a broken section, a duplicate context (the first one
// wins), an unknown header field or text outside every topic is skipped and
// noted in Problems(). Only a file that cannot be read, is not text, or holds
// no topic at all is an error, and then the file has no topics.
class THelpFile {
public:
    enum class TError {
        None,
        Missing,  // no file at the path
        Unreadable,  // the system refused to open or read it
        NotAFile,  // a folder, device or pipe
        TooLarge,  // more than MaxFileSize bytes
        NotText,  // holds NUL bytes
        NoTopics,  // empty, or no valid section
    };

    // A help file of ours is some tens of kilobytes; this bounds the work a
    // hostile file can cause.
    static constexpr std::size_t MaxFileSize = 1024u * 1024u;
    static constexpr int MaxContext = 999999999;
    // Titles and keywords are cut to this many bytes (at a character boundary).
    static constexpr std::size_t MaxTitleLength = 200;
    // At most this many problems are kept; the rest are only counted.
    static constexpr std::size_t MaxProblems = 100;

    THelpFile() = default;

    // Reads and parses the file at PATH; never throws for a bad file.
    static THelpFile Load(const std::string& path);
    static THelpFile Parse(std::string_view text);

    TError Error() const noexcept { return FError; }
    bool IsValid() const noexcept { return FError == TError::None; }
    // The path given to Load; empty after Parse.
    const std::string& Path() const noexcept { return FPath; }
    // For an error, why the file cannot be used, in English.
    std::string ErrorText() const;
    // For Unreadable and NotAFile, the system's reason, in English.
    const std::string& Reason() const noexcept { return FReason; }

    const std::vector<THelpTopic>& Topics() const noexcept { return FTopics; }
    // The topic of CONTEXT, or nullptr.
    const THelpTopic* Find(int context) const noexcept;

    // "line 12: ..." notes on what was skipped while reading.
    const std::vector<std::string>& Problems() const noexcept { return FProblems; }
    std::size_t ProblemCount() const noexcept { return FProblemCount; }

private:
    void Note(std::size_t line, const std::string& what);

    std::vector<THelpTopic> FTopics;
    std::map<int, std::size_t> FByContext;
    std::vector<std::string> FProblems;
    std::size_t FProblemCount = 0;
    std::string FPath;
    std::string FReason;
    TError FError = TError::NoTopics;
};

}  // namespace peglore
