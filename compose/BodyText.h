// What a file becomes when it is put into one of the window's text fields, and the limits
// that apply on the way. The Windows shell reads and writes the files; the decisions about
// their bytes are made here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmar {

// At most this many bytes of a file are loaded into a field; a longer file makes the
// window ask whether to attach it instead.
inline constexpr std::size_t kIncludeLimit = 60000;

// The file name shared by the Load, Save As and Paste File dialogs holds at most this many
// characters. A longer path is refused, never cut.
inline constexpr std::size_t kFileNameCapacity = 159;

struct IncludePlan {
    std::size_t bytesToLoad;  // how much of the file goes into the field
    bool tooLong;             // the file is over the limit: ask before loading a cut copy
};

[[nodiscard]] IncludePlan PlanInclude(std::uint64_t fileSize);

// The text an edit control gets for the bytes of a text file. The control shows a line
// break only for CR LF and ends its text at the first NUL, so: a lone LF or CR becomes
// CR LF, a NUL byte becomes a blank (the rest of the file stays visible), and a DOS
// end-of-file mark (0x1A) at the very end is dropped. Every other byte is kept.
[[nodiscard]] std::string TextForEditControl(std::string_view fileBytes);

// The body text as the body file of a message holds it: the queue copies that file as a
// text file, which ends at the byte 0x1A, so each 0x1A becomes a blank and every line and
// part after it arrives.
[[nodiscard]] std::string BodyFileText(std::string text);

// Whether a path chosen in a file dialog fits the shared file name.
[[nodiscard]] constexpr bool FitsFileName(std::string_view path) { return path.size() <= kFileNameCapacity; }

}  // namespace velmar
