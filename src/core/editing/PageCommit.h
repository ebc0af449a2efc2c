#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class CPrompts;
enum class CTextEncoding;

// What became of one control value the user finished with (a step, a pick, a text box
// left or confirmed): the pages commit each one on its own.
enum class CCommitResult
{
    Unchanged,  // the record already held the value
    Changed,    // written into the record, which is marked modified
    Refused,    // not written; the user was told why
};

// A name typed into a page as the game's file will hold it: the bytes in the file's code
// page, cut to maxBytes without splitting a double-byte character. Nothing (after a
// message naming them) when the text holds characters the code page has no byte for, or
// when not even its first character fits.
std::optional<std::string> takeTypedText(std::string_view utf8, CTextEncoding encoding, std::size_t maxBytes,
                                         CPrompts& prompts);
