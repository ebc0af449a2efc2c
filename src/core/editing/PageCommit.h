#pragma once

#include "database/Change.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <type_traits>
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

// What a name box takes, in bytes of the game's encoding: what the files hold for the
// field, and never less than the record on show already holds, so that no box shows or
// writes a stored name cut.
std::size_t textBoxLimit(std::size_t fileBytes, std::string_view stored);

// Whether typed text fits maxBytes once in the game's encoding. A character the encoding
// has no byte for counts as one: leaving the box refuses it with its own message.
bool fitsTextBox(std::string_view utf8, CTextEncoding encoding, std::size_t maxBytes);

// The message that names a box's limit when typing goes past it.
std::string textTooLongMessage(std::size_t maxBytes);

// A name typed into a page as the game's file will hold it: the bytes in the file's code
// page. Nothing (after a message saying why) when the text holds characters the code page
// has no byte for, or when it is longer than maxBytes: a name is never cut unseen.
std::optional<std::string> takeTypedText(std::string_view utf8, CTextEncoding encoding, std::size_t maxBytes,
                                         CPrompts& prompts);

// Nothing but spaces and tabs: a name box holding no name.
bool isBlank(std::string_view utf8);

// Runs f as one step of the history, with slot pointing at the step's transaction while f
// runs: a page session writes its shown record through it and nowhere else. A step the
// gate refuses changes nothing (the runner has told the user why); refused says so, and a
// commit's result becomes Refused.
template <class F>
auto runGatedStep(CChangeRunner& runner, CTransaction*& slot, const char* name, uint64_t mergeKey, F&& f,
                  bool* refused = nullptr) -> decltype(f())
{
    using R = decltype(f());
    std::optional<std::string> refusal;
    if constexpr (std::is_void_v<R>)
    {
        refusal = runner.run(name, [&](CTransaction& tx) { slot = &tx; f(); slot = nullptr; }, mergeKey);
        slot = nullptr;
        if (refused) *refused = refusal.has_value();
    }
    else
    {
        R r{};
        refusal = runner.run(name, [&](CTransaction& tx) { slot = &tx; r = f(); slot = nullptr; }, mergeKey);
        slot = nullptr;
        if (refused) *refused = refusal.has_value();
        if constexpr (std::is_same_v<R, CCommitResult>)
            if (refusal) r = CCommitResult::Refused;
        return r;
    }
}
